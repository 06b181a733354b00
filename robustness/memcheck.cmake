# Runs PROGRAM under valgrind's memcheck with SESSION as its standard input (an empty input
# when there is no session file). Leak checking is off: several programs keep their heap
# objects until the process ends, by design. Any memory error fails the test.
if(NOT EXISTS "${SESSION}")
    set(SESSION /dev/null)
endif()
execute_process(
    COMMAND ${VALGRIND} --tool=memcheck --error-exitcode=99 --leak-check=no --quiet ${PROGRAM}
    INPUT_FILE ${SESSION}
    RESULT_VARIABLE status
    OUTPUT_QUIET
    ERROR_VARIABLE report)
if(NOT status EQUAL 0 AND NOT status EQUAL 1)
    message(FATAL_ERROR "memcheck: status ${status}\n${report}")
endif()
if(NOT report STREQUAL "")
    message(FATAL_ERROR "memcheck reported:\n${report}")
endif()
message(STATUS "memcheck: clean")
