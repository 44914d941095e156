#include "util/money/cy.h"
#include "util/money/cy_operators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// Guards against a double-to-money conversion that truncates or rounds halves away from zero.
TEST(CyFromR8, RoundsHalfToEvenAndRejectsWhatDoesNotFit) {
    const struct { double in; std::int64_t raw; } cases[] = {
        {1.5, 15000}, {0.00005, 0}, {0.00025, 2}, {-0.00005, 0}, {-0.00025, -2}, {2.5e-4 + 1e-12, 3}, {2.005, 20050}, {-1.23456, -12346}};
    for (const auto& c : cases) {
        CY out;
        ASSERT_EQ(money::CyFromR8(c.in, &out), platform::S_OK) << c.in;
        EXPECT_EQ(out.int64, c.raw) << c.in;
    }
    CY out{7};
    EXPECT_EQ(money::CyFromR8(1e16, &out), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(money::CyFromR8(std::nan(""), &out), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(money::CyFromR8(-INFINITY, &out), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(out.int64, 7);
}

// Guards against wrapped sums and products near the 64-bit limits (undefined behaviour).
TEST(CyOperators, OverflowRaisesInsteadOfWrapping) {
    const auto expectOverflow = [](auto operation) {
        try {
            operation();
            ADD_FAILURE() << "no overflow raised";
        } catch (const platform::ComError& e) {
            EXPECT_EQ(e.Error(), platform::DISP_E_OVERFLOW);
        }
    };
    expectOverflow([] { (void)(CY{kMax} + CY{1}); });
    expectOverflow([] { (void)(CY{kMin} - CY{1}); });
    expectOverflow([] { (void)(CY{kMax} * CY{20000}); });
    expectOverflow([] { (void)(-CY{kMin}); });
    CY left{kMax};
    expectOverflow([&] { left += CY{1}; });
    EXPECT_EQ(left.int64, kMax);  // a failed compound operation keeps its target
}

// Guards the arithmetic of ten-thousandths: a product is scaled back, halves go to even.
TEST(CyOperators, ArithmeticOnTenThousandths) {
    EXPECT_EQ((CY{15000} + CY{2500}).int64, 17500);
    EXPECT_EQ((CY{15000} - 2.25).int64, -7500);
    EXPECT_EQ((CY{15000} * CY{20000}).int64, 30000);  // 1.5 × 2
    EXPECT_EQ((CY{5} * CY{5000}).int64, 2);            // 0.00025 rounds to even
    EXPECT_EQ((CY{15} * CY{5000}).int64, 8);
    EXPECT_EQ((CY{10000} / CY{30000}).int64, 3333);
    EXPECT_EQ((CY{20000} / CY{30000}).int64, 6667);
    EXPECT_EQ((CY{15000} * 0.1).int64, 1500);  // 0.1 enters as the decimal 0.1, not its binary twin
    EXPECT_EQ((CY{10000} / 0.3).int64, 33333);
    EXPECT_EQ((3.0 / CY{20000}).int64, 15000);
    EXPECT_EQ((-CY{15000}).int64, -15000);
    EXPECT_EQ((+CY{15000}).int64, 15000);
}

// Division by zero and overflow on the decimal routes must give 0 and report the failure.
TEST(CyOperators, FailedDecimalRouteGivesZero) {
    EXPECT_EQ((CY{15000} / CY{0}).int64, 0);
    EXPECT_EQ((CY{15000} / 0.0).int64, 0);
    EXPECT_EQ((1.0 / CY{0}).int64, 0);
    EXPECT_EQ((CY{kMax} * 2.0).int64, 0);
    EXPECT_EQ((CY{kMax} / 0.5).int64, 0);
    CY out{9};
    EXPECT_EQ(money::CyDivCy(CY{1}, CY{0}, &out), platform::DISP_E_DIVBYZERO);
    EXPECT_EQ(out.int64, 0);
    EXPECT_EQ(money::CyMulR8(CY{kMax}, 1e30, &out), platform::DISP_E_OVERFLOW);
    EXPECT_EQ(money::CyMulR8(CY{kMax}, 1e-300, &out), platform::S_OK);
    EXPECT_EQ(out.int64, 0);
}

// Guards the comparisons with doubles, which first truncate the double to four decimals.
TEST(CyOperators, ComparisonsWithDoubles) {
    EXPECT_TRUE(CY{15000} == 1.5);
    EXPECT_TRUE(CY{15000} == 1.50004);  // the fifth decimal does not count
    EXPECT_TRUE(1.4999 < CY{15000});
    EXPECT_TRUE(CY{15000} >= 1.5);
    EXPECT_TRUE(CY{15000} != 1.5001);
    EXPECT_TRUE(CY{-1} < CY{0});
    EXPECT_FALSE(CY{-1} > 0.0);
}

// The raw comparisons must treat the low word as unsigned and the high word as signed.
TEST(ZTCyCompare, HighSignedLowUnsigned) {
    const struct { std::int64_t a, b; } cases[] = {
        {0, 1}, {-1, 0}, {kMin, kMax}, {0x7FFFFFFF, 0x80000000}, {0x1FFFFFFFF, 0x200000000}, {-2, -1}};
    for (const auto& c : cases) {
        EXPECT_TRUE(ZTCyMenor(CY{c.a}, CY{c.b})) << c.a << " " << c.b;
        EXPECT_FALSE(ZTCyMenor(CY{c.b}, CY{c.a})) << c.a << " " << c.b;
        EXPECT_TRUE(ZTCyMaior(CY{c.b}, CY{c.a})) << c.a << " " << c.b;
        EXPECT_FALSE(ZTCyMaior(CY{c.a}, CY{c.b})) << c.a << " " << c.b;
    }
    EXPECT_FALSE(ZTCyMenor(CY{5}, CY{5}));
    EXPECT_FALSE(ZTCyMaior(CY{5}, CY{5}));
}

}  // namespace
