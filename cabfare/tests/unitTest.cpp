#include <gtest/gtest.h>

// The program itself, with its entry renamed to programMain.
#include PROGRAM_SOURCE

namespace {

// Compared bit for bit: each band step is in float and only the reduction 0.9 in double.
TEST(TinhTienTaxi, FareOfEachBand)
{
    const struct {
        float distance;
        float fare;
    } cases[] = {
        {0.0f, 0.0f},
        {0.5f, 7500.0f},
        {1.0f, 15000.0f},
        {2.5f, 35250.0f},
        {3.3f, 46050.0f},
        {5.0f, 69000.0f},
        {10.0f, 124000.0f},
        {89.0f, 993000.0f},
        {90.0f, 1004000.0f},
        {120.0f, 1334000.0f},
        {120.5f, 1205550.0f},
        {121.0f, 1210500.0f},
        // Wholly in double, rounded once, this would be 3312270.
        {333.3f, 3312269.75f},
        // One distance per band where every other precision gives another float: the band
        // in double narrowed once (38814.84765625, 268855.46875, 7596185), a fused
        // multiply-add, a narrowing after the subtraction alone, and in band 4 the factor
        // 0.9 taken as a float. Band 1 is one product of two floats, exact in double, so
        // no other precision can change it.
        {2.764063f, 38814.8515625f},
        {23.16868f, 268855.5f},
        {766.0187f, 7596185.5f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TinhTienTaxi(c.distance), c.fare) << "distance " << c.distance;
    }
}

TEST(TinhTienTaxi, KeepsItsFormulasBelowZero)
{
    // The program refuses negative distances; the function itself still applies band 1.
    EXPECT_EQ(TinhTienTaxi(-2.0f), -30000.0f);
}

} // namespace
