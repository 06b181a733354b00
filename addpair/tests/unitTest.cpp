#include <gtest/gtest.h>

#include <climits>

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

// Sums wrap modulo 2^32; under the sanitizer build a signed overflow would stop the test.
TEST(SumTwoNum, AddsAndWrapsAround)
{
    const struct {
        int first;
        int second;
        int sum;
    } cases[] = {
        {3, 4, 7},
        {-5, 2, -3},
        {0, 0, 0},
        {INT_MAX, 1, INT_MIN},
        {INT_MIN, -1, INT_MAX},
        {INT_MAX, INT_MAX, -2},
        {INT_MIN, INT_MIN, 0},
        {INT_MAX, INT_MIN, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sumTwoNum(c.first, c.second), c.sum) << c.first << " + " << c.second;
    }
}

} // namespace
