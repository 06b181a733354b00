# Helpers shared by the tests of every program.

# add_transcript_test(<test> PROGRAM <program target> SOURCES <test sources...>)
# Builds a GoogleTest executable that runs the built program through the test support
# library. The program's path is handed in as PROGRAM_PATH, so no shell stands between.
function(add_transcript_test test)
    cmake_parse_arguments(ARG "" "PROGRAM" "SOURCES" ${ARGN})
    add_executable(${test} ${ARG_SOURCES})
    target_link_libraries(${test} PRIVATE testsupport GTest::gtest_main)
    target_compile_definitions(${test} PRIVATE PROGRAM_PATH="$<TARGET_FILE:${ARG_PROGRAM}>")
    add_dependencies(${test} ${ARG_PROGRAM})
    gtest_discover_tests(${test} DISCOVERY_TIMEOUT 60)
endfunction()

# add_program_unit_test(<test> PROGRAM_SOURCES <program sources...> SOURCES <test sources...>
#                       [INCLUDE_DIRECTORIES <dirs...>])
# Compiles a program's own sources into a GoogleTest executable with the program's entry
# renamed to programMain, so that tests can call the program's classes and functions
# while the program keeps its one-source layout.
function(add_program_unit_test test)
    cmake_parse_arguments(ARG "" "" "PROGRAM_SOURCES;SOURCES;INCLUDE_DIRECTORIES" ${ARGN})
    add_library(${test}_program OBJECT ${ARG_PROGRAM_SOURCES})
    target_compile_definitions(${test}_program PRIVATE main=programMain)
    target_include_directories(${test}_program PUBLIC ${ARG_INCLUDE_DIRECTORIES})
    add_executable(${test} ${ARG_SOURCES})
    target_link_libraries(${test} PRIVATE ${test}_program testsupport GTest::gtest_main)
    gtest_discover_tests(${test} DISCOVERY_TIMEOUT 60)
endfunction()
