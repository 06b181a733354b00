# Tests of the suite as a whole, in developer mode.

# Installs the libraries component into a scratch prefix and builds a small program against
# both libraries, once through find_package and once through pkg-config.
add_test(NAME libraries_install_and_consume
    COMMAND ${CMAKE_COMMAND}
        -DBUILD_DIR=${CMAKE_BINARY_DIR}
        -DWORK_DIR=${CMAKE_BINARY_DIR}/installTest
        -DCONSUMER_DIR=${PROJECT_SOURCE_DIR}/cmake/consumer
        -DCXX=${CMAKE_CXX_COMPILER}
        "-DCXX_FLAGS=${CMAKE_CXX_FLAGS}"
        "-DLINKER_FLAGS=${CMAKE_EXE_LINKER_FLAGS}"
        -P ${PROJECT_SOURCE_DIR}/cmake/installTest.cmake)

# Every copy of the input policy block is the same.
set(inputPolicyCopies ${PROJECT_SOURCE_DIR}/rosterdesk/src/lib/readInput.h
    ${PROJECT_SOURCE_DIR}/rosterlite/src/models/staff.cpp)
foreach(program IN LISTS FUNDAMENTALS_PROGRAMS)
    if(FUNDAMENTALS_KIND_${program} STREQUAL "one-screen")
        list(APPEND inputPolicyCopies ${PROJECT_SOURCE_DIR}/${program}/main.cpp)
    endif()
endforeach()
add_test(NAME input_policy_copies_in_step
    COMMAND ${CMAKE_COMMAND} "-DFILES=${inputPolicyCopies}"
        -P ${PROJECT_SOURCE_DIR}/cmake/checkInputPolicyCopies.cmake)

# The README's table of deliverables says what deliverables.txt says.
add_test(NAME readme_lists_the_deliverables
    COMMAND ${CMAKE_COMMAND} -DLIST=${PROJECT_SOURCE_DIR}/deliverables.txt
        -DREADME=${PROJECT_SOURCE_DIR}/README.md
        -P ${PROJECT_SOURCE_DIR}/cmake/checkReadmeDeliverables.cmake)

# ./run as a learner uses it, also on a machine without Ninja and GoogleTest. It builds two
# programs in a scratch directory of its own.
add_test(NAME run_script_as_a_learner_uses_it
    COMMAND ${PROJECT_SOURCE_DIR}/testsupport/scripts/runScriptTest.sh ${PROJECT_SOURCE_DIR}
        ${CMAKE_BINARY_DIR}/runScriptTest)
set_tests_properties(run_script_as_a_learner_uses_it PROPERTIES TIMEOUT 600)

# ./run --check against the suite's own programs and against deliberately wrong versions.
add_test(NAME check_your_own_version
    COMMAND ${PROJECT_SOURCE_DIR}/testsupport/scripts/checkScriptTest.sh ${PROJECT_SOURCE_DIR}
        ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/checkScriptTest)
set_tests_properties(check_your_own_version PROPERTIES TIMEOUT 600)

# In a coverage build: the report, run by the coverage-report test preset after every other
# test has run.
if(FUNDAMENTALS_COVERAGE)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    find_program(GCOVR gcovr REQUIRED)
    add_test(NAME coverage_report
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/testsupport/scripts/coverageReport.py
            ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/coverage
            ${FUNDAMENTALS_DELIVERABLES})
    set_tests_properties(coverage_report PROPERTIES LABELS coverage_report)
endif()
