#pragma once

// Counts the calls made to one routine of the traced build of the sort routines (compiled
// with -finstrument-functions, which reports every function entry). Counting starts when the
// counter is made and covers calls made while it lives.
class CallCounter {
  public:
    explicit CallCounter(void* routine);
    ~CallCounter();
    CallCounter(const CallCounter&) = delete;
    CallCounter& operator=(const CallCounter&) = delete;

    int calls() const;
};

// The address of a function, as the entry hook reports it.
template <typename Function>
void* addressOf(Function* function)
{
    return reinterpret_cast<void*>(function);
}
