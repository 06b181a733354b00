# Installs the build at BUILD_DIR into a scratch prefix under WORK_DIR, then builds and runs
# the consumer in CONSUMER_DIR against it: once with CMake's find_package and once with the
# flags that pkg-config gives. CXX_FLAGS and LINKER_FLAGS are the build's own, so that a
# sanitizer build links.
set(prefix ${WORK_DIR}/prefix)
set(expected "123\nDon't have this feature in this staff\n17.5\n")
file(REMOVE_RECURSE ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${output}")
    endif()
endfunction()

function(expect_consumer_output program)
    execute_process(COMMAND ${program} RESULT_VARIABLE status OUTPUT_VARIABLE output)
    if(NOT status EQUAL 0 OR NOT output STREQUAL expected)
        message(FATAL_ERROR "${program} gave status ${status} and output:\n${output}")
    endif()
    message(STATUS "${program}: output as expected")
endfunction()

# The libraries component alone: headers, archives and package files, no program.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component libraries --prefix ${prefix})
foreach(file include/sortkit/sortImplementation.h include/rosterlite/staff.h
        include/rosterlite/programmer.h include/rosterlite/designer.h)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(EXISTS ${prefix}/bin)
    message(FATAL_ERROR "the libraries component installed programs")
endif()

# The programs component alone: the programs, no library.
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component programs --prefix ${WORK_DIR}/programs)
if(NOT EXISTS ${WORK_DIR}/programs/bin/rosterdesk OR EXISTS ${WORK_DIR}/programs/include)
    message(FATAL_ERROR "the programs component did not install the programs alone")
endif()

# With find_package.
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/cmakeConsumer -G Ninja
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX}
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmakeConsumer)
expect_consumer_output(${WORK_DIR}/cmakeConsumer/consumer)

# With pkg-config, whose files find the prefix from their own place.
find_program(PKG_CONFIG pkg-config REQUIRED)
file(GLOB pcDirs ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "${pcDirs}")
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs sortkit rosterlite
    RESULT_VARIABLE status OUTPUT_VARIABLE pkgFlags OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know sortkit and rosterlite")
endif()
separate_arguments(pkgFlags UNIX_COMMAND "${pkgFlags}")
separate_arguments(buildFlags UNIX_COMMAND "${CXX_FLAGS} ${LINKER_FLAGS}")
run(${CXX} -std=c++20 ${buildFlags} ${CONSUMER_DIR}/main.cpp ${pkgFlags}
    -o ${WORK_DIR}/pkgconfigConsumer)
expect_consumer_output(${WORK_DIR}/pkgconfigConsumer)
