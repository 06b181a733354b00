// The libFuzzer target of rosterdesk: the register's own routines run in-process on each fuzz
// input as standard input, as its entry runs them, and its output judged by the same judge as
// the robustness sweep. The program keeps its records until it ends, by design; here each
// run releases them itself, each through its own role, so that leak checking stays on.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <vector>

#include "inProcess.h"
#include "judgeRun.h"
#include "lib/rosterSummary.h"
#include "lib/theSystem.h"
#include "models/personnel/designer.h"
#include "models/personnel/manager.h"
#include "models/personnel/programmer.h"
#include "models/personnel/tester.h"

namespace {

void release(std::vector<staff*>& personnel)
{
    for (staff* record : personnel) {
        if (auto* role = dynamic_cast<manager*>(record)) {
            delete role;
        } else if (auto* programmerRole = dynamic_cast<programmer*>(record)) {
            delete programmerRole;
        } else if (auto* designerRole = dynamic_cast<designer*>(record)) {
            delete designerRole;
        } else {
            delete dynamic_cast<tester*>(record);
        }
    }
    personnel.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<staff*> personnel;
    // The body of the program's entry.
    const ProgramRun run = runInProcess(input, [&personnel] {
        mySystem(personnel);
        std::cout << std::endl;
        writeRoster(personnel);
        return 0;
    });
    release(personnel);
    judgeRun("rosterdesk", run);
    return 0;
}
