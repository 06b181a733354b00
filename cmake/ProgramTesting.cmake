# Helpers shared by the tests of every program.

# add_dialogue_test(<test> PROGRAM <program target> SOURCES <test sources...>)
# Builds a GoogleTest executable that runs the built program through the test support
# library on the cases of tests/dialogue.cases. The program's path is handed in as
# PROGRAM_PATH, so no shell stands between, and the cases file's as CASES_FILE.
function(add_dialogue_test test)
    cmake_parse_arguments(ARG "" "PROGRAM" "SOURCES" ${ARGN})
    set(cases ${CMAKE_CURRENT_SOURCE_DIR}/tests/dialogue.cases)
    add_executable(${test} ${ARG_SOURCES})
    target_link_libraries(${test} PRIVATE testsupport GTest::gtest_main)
    target_compile_definitions(${test} PRIVATE PROGRAM_PATH="$<TARGET_FILE:${ARG_PROGRAM}>"
        CASES_FILE="${cases}")
    # The cases are read when the tests are listed, after each build of the executable: a
    # change to the cases file rebuilds it, so that a new case is listed and run.
    set_property(SOURCE ${ARG_SOURCES} APPEND PROPERTY OBJECT_DEPENDS ${cases})
    add_dependencies(${test} ${ARG_PROGRAM})
    gtest_discover_tests(${test} DISCOVERY_TIMEOUT 60)
endfunction()

# add_program_unit_test(<test> PROGRAM_SOURCE <program's source> SOURCES <test source>)
# Builds a GoogleTest executable whose test source includes the program's own source with
# `#include PROGRAM_SOURCE`, the program's entry renamed to programMain. The tests can so use
# the program's classes and functions while the program keeps its one-source layout.
function(add_program_unit_test test)
    cmake_parse_arguments(ARG "" "PROGRAM_SOURCE" "SOURCES" ${ARGN})
    add_executable(${test} ${ARG_SOURCES})
    target_compile_definitions(${test} PRIVATE
        main=programMain
        PROGRAM_SOURCE="${CMAKE_CURRENT_SOURCE_DIR}/${ARG_PROGRAM_SOURCE}")
    target_link_libraries(${test} PRIVATE testsupport GTest::gtest_main)
    gtest_discover_tests(${test} DISCOVERY_TIMEOUT 60)
endfunction()
