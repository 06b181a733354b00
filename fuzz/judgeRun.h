#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "runJudge.h"

// Judges one in-process run as the robustness sweep judges a run of the built program, and
// aborts on a fault, so that libFuzzer keeps the input that caused it.
inline void judgeRun(const char* program, const ProgramRun& run)
{
    const Judge* judge = judgeOf(program);
    if (judge == nullptr) {
        std::fprintf(stderr, "%s has no judge\n", program);
        std::abort();
    }
    const std::string fault = faultOf(*judge, run);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        std::abort();
    }
}
