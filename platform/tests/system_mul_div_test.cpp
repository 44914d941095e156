#include "platform/system/mul_div.h"

#include <gtest/gtest.h>

#include <climits>

namespace platform {
namespace {

struct MulDivCase {
    int number;
    int numerator;
    int denominator;
    int result;
};

// Rounding the wrong way at a half, or in the wrong direction for negatives, shifts every
// device size by one.
TEST(MulDiv, RoundsHalvesAwayFromZero) {
    const MulDivCase cases[] = {
        {5, 1, 2, 3},     {-5, 1, 2, -3},  {5, -1, 2, -3},  {5, 1, -2, -3}, {-5, -1, -2, -3},
        {7, 1, 2, 4},     {-7, 1, 2, -4},  {3, 1, -2, -2},  {1, 1, 2, 1},   {-1, 1, 2, -1},
        {1, 1, 3, 0},     {2, 1, 3, 1},    {-2, 1, 3, -1},  {5, 1, 4, 1},   {6, 1, 4, 2},
        {7, 1, 4, 2},     {-6, 1, 4, -2},  {10, 96, 72, 13}, {11, 96, 72, 15}, {9, 120, 72, 15},
        {0, 5, 7, 0},     {8, 0, 7, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result)
            << c.number << " * " << c.numerator << " / " << c.denominator;
    }
}

// A 32-bit intermediate product would overflow long before the result does.
TEST(MulDiv, UsesAWideProduct) {
    EXPECT_EQ(MulDiv(INT_MAX, 2, 2), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MIN, 3, 3), INT_MIN);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_EQ(MulDiv(100000, 100000, 1000000), 10000);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
}

// A result past 32 bits or a zero divisor must not wrap or trap.
TEST(MulDiv, OverflowAndZeroDivisorGiveMinusOne) {
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 2, 1), -1);
    // Just inside the bounds after rounding.
    EXPECT_EQ(MulDiv(INT_MAX, 1, 1), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
    // 65535 * 65537 = 2 * INT_MAX + 1: halved, INT_MAX + 0.5 rounds past the bound, while
    // -(INT_MAX + 0.5) rounds to INT_MIN, which still fits.
    EXPECT_EQ(MulDiv(65535, 65537, 2), -1);
    EXPECT_EQ(MulDiv(65535, 65537, -2), INT_MIN);
    EXPECT_EQ(MulDiv(65535, 65537, 3), 1431655765);
}

}  // namespace
}  // namespace platform
