#pragma once

#include <string>

#include "consoleCapture.h"
#include "runProgram.h"

// Runs `programMain` in this process with `input` behind std::cin and std::cout and
// std::cerr caught, as a run of the built program would be: what it wrote and its status.
// The streams are restored afterwards, so that each fuzz input starts afresh.
template <typename Entry>
ProgramRun runInProcess(const std::string& input, Entry programMain)
{
    const ScriptedConsole console(input);
    ProgramRun run;
    run.status = programMain();
    run.output = console.output();
    run.errors = console.errors();
    return run;
}
