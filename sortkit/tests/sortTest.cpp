#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include <sortkit/sortImplementation.h>

#include "callCounter.h"

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

// Sorts a copy and counts the exchanges made through swap.
int exchangesOf(Sort sort, std::vector<int>& values)
{
    CallCounter exchanges(addressOf(&swap));
    sort(values.data(), static_cast<int>(values.size()));
    return exchanges.calls();
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

TEST(InsertionSort, PlacesEveryElementThroughReSeparateArray)
{
    // Also on sorted input, where each call writes the value back onto itself.
    for (std::vector<int> values :
         {std::vector<int>{1, 2, 3, 4, 5}, std::vector<int>{5, 4, 3}, std::vector<int>{1, 2, 2}}) {
        const std::vector<int> expected = [&] {
            std::vector<int> copy = values;
            std::sort(copy.begin(), copy.end());
            return copy;
        }();
        CallCounter moves(addressOf(&reSeparateArray));
        insertionSort(values.data(), static_cast<int>(values.size()));
        EXPECT_EQ(moves.calls(), static_cast<int>(values.size()) - 1);
        EXPECT_EQ(values, expected);
    }
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
