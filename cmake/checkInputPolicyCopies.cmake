# Fails when the copies of the input policy block differ. Each deliverable that reads numbers
# carries its own copy (no deliverable links another), marked by the two lines below; the
# copies must be the same but for `inline`, which the header copy needs.
#   cmake -DFILES=<file;file;...> -P checkInputPolicyCopies.cmake
set(beginMark "// ---- Input policy: this block is the same in every program that reads numbers ----")
set(endMark "// ---- End of the input policy ----")

set(reference "")
set(referenceFile "")
foreach(file IN LISTS FILES)
    file(READ "${file}" text)
    string(FIND "${text}" "${beginMark}" begin)
    string(FIND "${text}" "${endMark}" end)
    if(begin EQUAL -1 OR end EQUAL -1 OR end LESS begin)
        message(FATAL_ERROR "${file}: the input policy block is not marked")
    endif()
    math(EXPR length "${end} - ${begin}")
    string(SUBSTRING "${text}" ${begin} ${length} block)
    string(REGEX REPLACE "\ninline " "\n" block "${block}")
    if(referenceFile STREQUAL "")
        set(reference "${block}")
        set(referenceFile "${file}")
    elseif(NOT block STREQUAL reference)
        message(FATAL_ERROR "${file}: the input policy block differs from the one in "
            "${referenceFile}; change every copy alike")
    endif()
endforeach()
list(LENGTH FILES count)
message(STATUS "the input policy block is the same in all ${count} copies")
