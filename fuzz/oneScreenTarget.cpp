// The libFuzzer target of one one-screen program: the program's own source, its entry
// renamed to programMain, run in-process on each fuzz input as standard input, its output
// judged by the same judge as the robustness sweep. PROGRAM_NAME and PROGRAM_SOURCE name it.
#include <cstddef>
#include <cstdint>

#include "inProcess.h"
#include "judgeRun.h"

#include PROGRAM_SOURCE

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    judgeRun(PROGRAM_NAME, runInProcess(input, [] { return programMain(); }));
    return 0;
}
