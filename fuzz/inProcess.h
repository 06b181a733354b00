#pragma once

#include <iostream>
#include <sstream>
#include <string>

#include "runProgram.h"

// Runs `programMain` in this process with `input` behind std::cin and std::cout and
// std::cerr caught, as a run of the built program would be: what it wrote and its status.
// The streams are restored afterwards, so that each fuzz input starts afresh.
template <typename Entry>
ProgramRun runInProcess(const std::string& input, Entry programMain)
{
    std::istringstream scriptedInput(input);
    std::ostringstream output;
    std::ostringstream errors;
    std::streambuf* oldInput = std::cin.rdbuf(scriptedInput.rdbuf());
    std::streambuf* oldOutput = std::cout.rdbuf(output.rdbuf());
    std::streambuf* oldErrors = std::cerr.rdbuf(errors.rdbuf());
    std::cin.clear();
    std::cout.clear();
    ProgramRun run;
    run.status = programMain();
    std::cin.rdbuf(oldInput);
    std::cout.rdbuf(oldOutput);
    std::cerr.rdbuf(oldErrors);
    std::cin.clear();
    run.output = output.str();
    run.errors = errors.str();
    return run;
}
