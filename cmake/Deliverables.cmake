# The list of deliverables, read from deliverables.txt: each line that does not start with
# "#" names a directory, its kind and what it does.
#
# read_deliverables(<file>) sets, in the caller's scope:
#   FUNDAMENTALS_DELIVERABLES       every directory, in the file's order
#   FUNDAMENTALS_PROGRAMS           those that build a program (every kind but library)
#   FUNDAMENTALS_KIND_<name>        the kind of each
function(read_deliverables file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(STRINGS ${file} lines REGEX "^[a-z]")
    set(deliverables "")
    set(programs "")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^([a-z]+) +(dialogue|one-screen|demonstration|library) +(.+)$")
            message(FATAL_ERROR "${file}: cannot read the line \"${line}\"")
        endif()
        list(APPEND deliverables ${CMAKE_MATCH_1})
        set(FUNDAMENTALS_KIND_${CMAKE_MATCH_1} ${CMAKE_MATCH_2} PARENT_SCOPE)
        if(NOT CMAKE_MATCH_2 STREQUAL "library")
            list(APPEND programs ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(FUNDAMENTALS_DELIVERABLES ${deliverables} PARENT_SCOPE)
    set(FUNDAMENTALS_PROGRAMS ${programs} PARENT_SCOPE)
endfunction()

# add_one_source_program(<name>)
# A program of one main.cpp in the current directory, installed with the programs. In
# developer mode, tests/dialogueTest.cpp runs the built program on its dialogue cases and,
# where it exists, tests/unitTest.cpp tests the program's own functions.
function(add_one_source_program name)
    add_executable(${name} main.cpp)
    install(TARGETS ${name} COMPONENT programs)
    if(FUNDAMENTALS_TESTS)
        add_dialogue_test(${name}_dialogue_tests PROGRAM ${name} SOURCES tests/dialogueTest.cpp)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/unitTest.cpp)
            add_program_unit_test(${name}_unit_tests PROGRAM_SOURCE main.cpp
                SOURCES tests/unitTest.cpp)
        endif()
    endif()
endfunction()
