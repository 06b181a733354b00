#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include <sortkit/sortImplementation.h>

#include "callTrace.h"

namespace {

using Sort = void (*)(int*, int);

struct NamedSort {
    const char* name;
    Sort sort;
};

const NamedSort sorts[] = {
    {"insertionSort", insertionSort},
    {"selectionSort", selectionSort},
    {"interchangeSort", interchangeSort},
};

// Sorts `values` in place and returns the number of exchanges made through swap.
int exchangesOf(Sort sort, std::vector<int>& values)
{
    const CallTrace trace(values.data());
    sort(values.data(), static_cast<int>(values.size()));
    return static_cast<int>(
        std::count_if(trace.calls().begin(), trace.calls().end(),
                      [](const Call& call) { return call.routine == Call::exchange; }));
}

TEST(Sorts, SizeOfOneOrLessTouchesNothing)
{
    for (const NamedSort& s : sorts) {
        for (const int size : {1, 0, -1, INT_MIN}) {
            int values[] = {9, 8, 7};
            s.sort(values, size);
            EXPECT_EQ(values[0], 9) << s.name << " size " << size;
            EXPECT_EQ(values[1], 8) << s.name << " size " << size;
            EXPECT_EQ(values[2], 7) << s.name << " size " << size;
        }
        s.sort(nullptr, 0); // not even the pointer is used
    }
}

// Each case: the input, the sorted result, and the exchanges that selection and interchange
// sort make on it (the tie-breaks decide these counts).
struct SortCase {
    std::vector<int> input;
    std::vector<int> sorted;
    int selectionExchanges;
    int interchangeExchanges;
};

const SortCase sortCases[] = {
    {{3, 2, 1}, {1, 2, 3}, 1, 3},
    {{5, 1, 4, 2, 3}, {1, 2, 3, 4, 5}, 4, 6},
    {{2, 1, 2, 1}, {1, 1, 2, 2}, 2, 2},
    {{1, 2, 3, 4}, {1, 2, 3, 4}, 0, 0},
    {{1, 2, 2}, {1, 2, 2}, 0, 0},
    {{7, 7, 7}, {7, 7, 7}, 0, 0},
    {{2, 1}, {1, 2}, 1, 1},
    {{INT_MAX, INT_MIN, 0, -1}, {INT_MIN, -1, 0, INT_MAX}, 2, 4},
};

TEST(Sorts, ResultsAndExchangeCounts)
{
    for (const SortCase& c : sortCases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        std::vector<int> byInsertion = c.input;
        std::vector<int> bySelection = c.input;
        std::vector<int> byInterchange = c.input;
        EXPECT_EQ(exchangesOf(insertionSort, byInsertion), 0); // it moves, never exchanges
        EXPECT_EQ(exchangesOf(selectionSort, bySelection), c.selectionExchanges);
        EXPECT_EQ(exchangesOf(interchangeSort, byInterchange), c.interchangeExchanges);
        EXPECT_EQ(byInsertion, c.sorted);
        EXPECT_EQ(bySelection, c.sorted);
        EXPECT_EQ(byInterchange, c.sorted);
    }
}

// The calls that each sort must make, worked out step by step from the algorithm as it is
// stated: which element routine, with which arguments, in which order.
std::vector<Call> insertionCalls(std::vector<int> arr)
{
    std::vector<Call> calls;
    for (int i = 1; i < static_cast<int>(arr.size()); ++i) {
        const int value = arr[static_cast<std::size_t>(i)];
        int stoppedAt = -1; // the nearest element to the left strictly smaller than value
        for (int j = i - 1; j >= 0; --j) {
            if (value > arr[static_cast<std::size_t>(j)]) {
                stoppedAt = j;
                break;
            }
        }
        const int index = stoppedAt + 1; // 0 when the scan ran past the first element
        calls.push_back(reSeparateCall(i, index, value));
        arr.erase(arr.begin() + i);
        arr.insert(arr.begin() + index, value);
    }
    return calls;
}

std::vector<Call> selectionCalls(std::vector<int> arr)
{
    std::vector<Call> calls;
    const std::size_t size = arr.size();
    for (std::size_t i = 0; i + 1 < size; ++i) {
        std::size_t minIndex = i;
        for (std::size_t j = i + 1; j < size; ++j) {
            if (arr[j] < arr[minIndex]) {
                minIndex = j;
            }
        }
        if (minIndex != i) {
            calls.push_back(swapCall(static_cast<int>(i), static_cast<int>(minIndex)));
            std::swap(arr[i], arr[minIndex]);
        }
    }
    return calls;
}

std::vector<Call> interchangeCalls(std::vector<int> arr)
{
    std::vector<Call> calls;
    const std::size_t size = arr.size();
    for (std::size_t i = 0; i + 1 < size; ++i) {
        for (std::size_t j = i + 1; j < size; ++j) {
            if (arr[j] < arr[i]) {
                calls.push_back(swapCall(static_cast<int>(j), static_cast<int>(i)));
                std::swap(arr[j], arr[i]);
            }
        }
    }
    return calls;
}

std::vector<Call> callsOf(Sort sort, std::vector<int> values)
{
    const CallTrace trace(values.data());
    sort(values.data(), static_cast<int>(values.size()));
    return trace.calls();
}

// Every array of up to six elements drawn from three values (so with many repeats), and a
// few with extreme values: each sort makes exactly the calls of its algorithm, with the
// same arguments in the same order. The tie-breaks show here: insertion sort passes over
// equal elements, selection sort takes the first of equal smallest values, and neither
// selection nor interchange sort ever exchanges two equal values.
TEST(Sorts, MakeExactlyTheCallsOfTheirAlgorithm)
{
    std::vector<std::vector<int>> arrays = {
        {INT_MAX, INT_MIN, 0, -1}, {INT_MIN, INT_MIN, INT_MAX}, {5, 1, 4, 2, 3}};
    for (std::size_t size = 0; size <= 6; ++size) {
        std::vector<int> digits(size, 0);
        while (true) {
            arrays.push_back(digits);
            std::size_t position = 0;
            while (position < size && digits[position] == 2) {
                digits[position++] = 0;
            }
            if (position == size) {
                break;
            }
            ++digits[position];
        }
    }
    for (const std::vector<int>& values : arrays) {
        SCOPED_TRACE(testing::PrintToString(values));
        EXPECT_EQ(callsOf(insertionSort, values), insertionCalls(values));
        EXPECT_EQ(callsOf(selectionSort, values), selectionCalls(values));
        EXPECT_EQ(callsOf(interchangeSort, values), interchangeCalls(values));
    }
}

TEST(InsertionSort, SmallestValuePassesOverItsEqualsToIndexZero)
{
    // The scan stops only at a strictly smaller element: on [0, 0] it runs past index 0.
    EXPECT_EQ(callsOf(insertionSort, {0, 0}), (std::vector<Call>{reSeparateCall(1, 0, 0)}));
    // Sorted input: each value is written back onto its own place.
    EXPECT_EQ(callsOf(insertionSort, {1, 2, 3}),
              (std::vector<Call>{reSeparateCall(1, 1, 2), reSeparateCall(2, 2, 3)}));
}

TEST(Sorts, RandomArraysMatchStdSort)
{
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX);
    std::uniform_int_distribution<int> fewValues(-3, 3);
    for (const int size : {2, 3, 10, 57, 300}) {
        for (int round = 0; round < 20; ++round) {
            std::vector<int> values(static_cast<std::size_t>(size));
            for (int& value : values) {
                value = round % 2 == 0 ? anyInt(random) : fewValues(random);
            }
            std::vector<int> expected = values;
            std::sort(expected.begin(), expected.end());
            for (const NamedSort& s : sorts) {
                std::vector<int> sorted = values; // exactly sized: overruns are caught
                s.sort(sorted.data(), size);
                ASSERT_EQ(sorted, expected) << s.name << " on " << testing::PrintToString(values);
            }
        }
    }
}

TEST(Swap, ExactForEveryPairOfInts)
{
    const std::pair<int, int> pairs[] = {
        {1, 2},
        {2147483647, 1},
        {-2147483648, 2147483647},
        {-2147483648, -1},
        {-2147483648, -2147483648},
        {2147483647, 2147483647},
        {0, -5},
    };
    for (auto [first, second] : pairs) {
        int a = first;
        int b = second;
        swap(a, b);
        EXPECT_EQ(a, second);
        EXPECT_EQ(b, first);
    }
}

TEST(Swap, SameObjectKeepsItsValue)
{
    int value = 42;
    swap(value, value);
    EXPECT_EQ(value, 42);
}

TEST(ReSeparateArray, OpensAGapFromTheTopDown)
{
    int values[] = {10, 20, 30, 40};
    reSeparateArray(values, 3, 1, 99);
    EXPECT_EQ(std::vector<int>(values, values + 4), (std::vector<int>{10, 99, 20, 30}));

    int same[] = {10, 20, 30, 40};
    reSeparateArray(same, 2, 2, 99); // last equal to index: only that element changes
    EXPECT_EQ(std::vector<int>(same, same + 4), (std::vector<int>{10, 20, 99, 40}));

    int below[] = {10, 20, 30, 40};
    reSeparateArray(below, 0, 3, 99); // last below index: likewise
    EXPECT_EQ(std::vector<int>(below, below + 4), (std::vector<int>{10, 20, 30, 99}));
}

} // namespace
