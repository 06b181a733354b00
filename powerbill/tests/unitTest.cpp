#include <gtest/gtest.h>

#include <cmath>

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

// Compared bit for bit: each tier step is in float and only the factor 1.1 in double.
TEST(TinhTienDien, AmountOfEachTier)
{
    const struct {
        float consumption;
        float amount;
    } cases[] = {
        {0.0f, 0.0f},
        {20.0f, 32648.0f},
        {50.0f, 81620.0f},
        {50.5f, 82463.1484375f},
        {100.0f, 165935.0f},
        {100.3f, 166524.390625f},
        {120.0f, 205227.0f},
        {401.0f, 887190.6875f},
        {450.0f, 1026630.0f},
        // One consumption per tier where every other precision gives another float (and
        // another printed amount): the tier in double narrowed once (44221.65234375,
        // 94802.8515625, 241217.5, 541338.5625, 852341.5, 1838425.125), the factor as a
        // float, a fused multiply-add, a narrowing after the subtraction or the product.
        {27.08996f, 44221.6484375f},
        {57.81762f, 94802.84375f},
        {138.3195f, 241217.484375f},
        {272.5584f, 541338.5f},
        {388.3763f, 852341.4375f},
        {735.2708f, 1838425.0f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TinhTienDien(c.consumption), c.amount) << "consumption " << c.consumption;
    }
}

TEST(TinhTienDien, ContinuousAtEveryBound)
{
    // Just above a bound the next tier starts from the same amount.
    for (const float bound : {50.0f, 100.0f, 200.0f, 300.0f, 400.0f}) {
        const float above = std::nextafter(bound, 1000.0f);
        EXPECT_LE(TinhTienDien(bound), TinhTienDien(above)) << "bound " << bound;
        EXPECT_NEAR(TinhTienDien(bound), TinhTienDien(above), 1.0f) << "bound " << bound;
    }
}

} // namespace
