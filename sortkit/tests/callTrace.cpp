#include "callTrace.h"

#include <sortkit/sortImplementation.h>

// The library's own routines, renamed in the copy of its source that the tests link.
void untracedReSeparateArray(int* arr, int last, int index, int value);
void untracedSwap(int& a, int& b);

namespace {

std::vector<Call>* activeTrace = nullptr;
const int* traceBase = nullptr;

int indexOf(const int& element)
{
    return static_cast<int>(&element - traceBase);
}

} // namespace

CallTrace::CallTrace(const int* array)
{
    activeTrace = &recorded;
    traceBase = array;
}

CallTrace::~CallTrace()
{
    activeTrace = nullptr;
    traceBase = nullptr;
}

void reSeparateArray(int* arr, int last, int index, int value)
{
    if (activeTrace != nullptr) {
        activeTrace->push_back(reSeparateCall(last, index, value));
    }
    untracedReSeparateArray(arr, last, index, value);
}

void swap(int& a, int& b)
{
    if (activeTrace != nullptr) {
        activeTrace->push_back(swapCall(indexOf(a), indexOf(b)));
    }
    untracedSwap(a, b);
}
