#include "runProgram.h"

#include "childProgram.h"

ProgramRun runProgram(const std::string& path, const std::string& input,
                      std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    ChildProgram program(path);
    ProgramRun run;
    run.timedOut = !program.feedToEnd(input, deadline);
    run.status = program.wait(run.timedOut ? std::chrono::steady_clock::now() : deadline);
    run.output = program.output();
    run.errors = program.errors();
    return run;
}
