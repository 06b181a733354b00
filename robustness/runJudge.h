#pragma once

#include <string>

#include "outputGrammar.h"
#include "runProgram.h"

// How each program's runs are judged: by its kind and its own output reader.
//   dialogue: always status 0, the output read by its checker;
//   one-screen: status 0 with a result, or 1 without one (and one line on standard error);
//   demonstration: status 0 and always the same output, whatever the input.
// The robustness sweep and the fuzz targets judge their runs with the same table.
using OutputCheck = OutputVerdict (*)(std::string_view);

struct Judge {
    std::string program;
    std::string kind;
    OutputCheck check;       // dialogue and one-screen programs
    std::string fixedOutput; // demonstrations
};

// The judge of a program, or null when the table has none.
const Judge* judgeOf(const std::string& program);

// What is wrong with one run, or nothing.
std::string faultOf(const Judge& judge, const ProgramRun& run);
