# Fails when the README's table of deliverables and deliverables.txt differ: each line of the
# list must stand in the table as | `name` | kind | what it does |, in the same order, and
# the table must hold nothing else.
#   cmake -DLIST=<deliverables.txt> -DREADME=<README.md> -P checkReadmeDeliverables.cmake
file(STRINGS ${LIST} lines REGEX "^[a-z]")
set(expected "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^([a-z]+) +([a-z-]+) +(.+)$" "| `\\1` | \\2 | \\3 |" row "${line}")
    list(APPEND expected "${row}")
endforeach()

file(STRINGS ${README} readmeLines)
set(inTable FALSE)
set(table "")
foreach(line IN LISTS readmeLines)
    if(line STREQUAL "| Directory | Kind | What it does |")
        set(inTable TRUE)
    elseif(inTable AND line MATCHES "^\\| `")
        list(APPEND table "${line}")
    elseif(inTable AND NOT line MATCHES "^\\|")
        break()
    endif()
endforeach()

if(NOT table STREQUAL expected)
    string(REPLACE ";" "\n" tableText "${table}")
    string(REPLACE ";" "\n" expectedText "${expected}")
    message(FATAL_ERROR "The README's table of deliverables differs from ${LIST}.\n"
        "README:\n${tableText}\nexpected:\n${expectedText}")
endif()
list(LENGTH table count)
message(STATUS "the README's table names the same ${count} deliverables")
