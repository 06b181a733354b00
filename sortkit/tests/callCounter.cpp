#include "callCounter.h"

namespace {

void* watchedRoutine = nullptr;
int watchedCalls = 0;

} // namespace

CallCounter::CallCounter(void* routine)
{
    watchedRoutine = routine;
    watchedCalls = 0;
}

CallCounter::~CallCounter()
{
    watchedRoutine = nullptr;
}

int CallCounter::calls() const
{
    return watchedCalls;
}

// Called by the compiler on entry to, and exit from, every function of the traced unit.
extern "C" void __cyg_profile_func_enter(void* function, void* /*caller*/)
{
    if (function == watchedRoutine) {
        ++watchedCalls;
    }
}

extern "C" void __cyg_profile_func_exit(void* /*function*/, void* /*caller*/) {}
