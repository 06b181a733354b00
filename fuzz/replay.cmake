# Runs a fuzz target once on every file of its corpus: a fault in any of them fails.
#   cmake -DTARGET=<fuzz target> -DCORPUS=<directory> -P replay.cmake
file(GLOB inputs LIST_DIRECTORIES false ${CORPUS}/*)
list(LENGTH inputs count)
if(count EQUAL 0)
    message(FATAL_ERROR "${CORPUS} holds no input")
endif()
execute_process(COMMAND ${TARGET} -timeout=10 ${inputs} RESULT_VARIABLE status
    OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "a corpus input failed:\n${output}")
endif()
message(STATUS "${count} corpus inputs replayed without a fault")
