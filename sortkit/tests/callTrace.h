#pragma once

#include <ostream>
#include <vector>

// One call that a sort made to reSeparateArray or swap, with its arguments. Array elements
// are given as indices into the array being sorted.
struct Call {
    enum Routine { reSeparate, exchange };
    Routine routine;
    int first;  // reSeparateArray: last;  swap: index of the first element
    int second; // reSeparateArray: index; swap: index of the second element
    int value;  // reSeparateArray: value; swap: unused (0)

    bool operator==(const Call&) const = default;
};

inline Call reSeparateCall(int last, int index, int value)
{
    return {Call::reSeparate, last, index, value};
}

inline Call swapCall(int firstIndex, int secondIndex)
{
    return {Call::exchange, firstIndex, secondIndex, 0};
}

inline void PrintTo(const Call& call, std::ostream* os)
{
    if (call.routine == Call::reSeparate) {
        *os << "reSeparateArray(arr, " << call.first << ", " << call.second << ", " << call.value
            << ")";
    } else {
        *os << "swap(arr[" << call.first << "], arr[" << call.second << "])";
    }
}

// Records every call that the library's sorts make to its two element routines while it
// lives, then lets each call go on to the real routine. The tests link a copy of the
// library's source in which the two routines are renamed, so that the sorts call the
// recording versions; nothing in the library itself changes.
class CallTrace {
  public:
    explicit CallTrace(const int* array);
    ~CallTrace();
    CallTrace(const CallTrace&) = delete;
    CallTrace& operator=(const CallTrace&) = delete;

    const std::vector<Call>& calls() const { return recorded; }

  private:
    std::vector<Call> recorded;
};
