#include "util/number/text_to_number.h"
#include "util/number/zt_var.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using platform::DISP_E_OVERFLOW;
using platform::HRESULT;
using platform::S_OK;

constexpr std::int32_t kI4Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kI4Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kCyMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kCyMin = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A value comparable and printable by the test framework (money as its raw count, integers
// widened).
template <typename T>
auto Plain(const T& value) {
    if constexpr (std::is_same_v<T, CY>)
        return value.int64;
    else if constexpr (std::is_same_v<T, CZTCurrency>)
        return value.GetValor().int64;
    else if constexpr (std::is_integral_v<T>)
        return static_cast<std::int64_t>(value);
    else
        return value;
}

// What the output holds before the call; a failed conversion must leave it there.
template <typename T>
T Sentinel() {
    if constexpr (std::is_same_v<T, CY>)
        return CY{77};
    else
        return static_cast<T>(77);
}

template <typename Target, typename Source>
struct Case {
    Source in;
    HRESULT hr;
    Target out{};  // checked only when hr is S_OK
};

template <typename Target, typename Source>
void ExpectCases(HRESULT (*convert)(Source, Target*), const std::vector<Case<Target, Source>>& cases) {
    for (const auto& c : cases) {
        Target out = Sentinel<Target>();
        EXPECT_EQ(convert(c.in, &out), c.hr) << "input " << Plain(c.in);
        EXPECT_EQ(Plain(out), Plain(c.hr == S_OK ? c.out : Sentinel<Target>())) << "input " << Plain(c.in);
    }
}

// A source value and the integer it rounds to; the conversion must overflow when the target
// cannot hold that integer.
template <typename Source>
struct Rounding {
    Source in;
    std::int64_t rounded;
};

template <typename Target, typename Source>
void ExpectRounding(HRESULT (*convert)(Source, Target*), const std::vector<Rounding<Source>>& rows) {
    for (const auto& row : rows) {
        Target out = Sentinel<Target>();
        const HRESULT hr = convert(row.in, &out);
        if (std::in_range<Target>(row.rounded)) {
            EXPECT_EQ(hr, S_OK) << "input " << Plain(row.in);
            EXPECT_EQ(Plain(out), row.rounded) << "input " << Plain(row.in);
        } else {
            EXPECT_EQ(hr, DISP_E_OVERFLOW) << "input " << Plain(row.in);
            EXPECT_EQ(Plain(out), Plain(Sentinel<Target>())) << "input " << Plain(row.in);
        }
    }
}

// Every half-way case (positive, negative, even and odd neighbours) and values just off a half.
// The near-halves are exact in float as well, so one table serves both real sources.
const std::vector<Rounding<double>> kRealHalves = {
    {0.5, 0},          {1.5, 2},          {2.5, 2},   {3.5, 4},   {254.5, 254}, {-0.5, 0},
    {-1.5, -2},        {-2.5, -2},        {-3.5, -4}, {0.0, 0},   {-0.0, 0},    {1e-30, 0},
    {0.4999999701976776123046875, 0},  // just below a half
    {2.5000002384185791015625, 3},     // just above a half
    {-2.5000002384185791015625, -3},   {-0.4999999701976776123046875, 0},
};

// Guards against truncation, rounding halves away from zero, and a wrong sign on negative halves.
TEST(ZTVarFromReal, HalvesRoundToEven) {
    std::vector<Rounding<float>> floatHalves;
    for (const auto& row : kRealHalves) floatHalves.push_back({static_cast<float>(row.in), row.rounded});
    ExpectRounding(ZTVarUI1FromR8, kRealHalves);
    ExpectRounding(ZTVarI2FromR8, kRealHalves);
    ExpectRounding(ZTVarI4FromR8, kRealHalves);
    ExpectRounding(ZTVarUI4FromR8, kRealHalves);
    ExpectRounding(ZTVarUI2FromR8, kRealHalves);
    ExpectRounding(ZTVarUI1FromR4, floatHalves);
    ExpectRounding(ZTVarI2FromR4, floatHalves);
    ExpectRounding(ZTVarI4FromR4, floatHalves);
    ExpectRounding(ZTVarUI4FromR4, floatHalves);
    ExpectRounding(ZTVarUI2FromR4, floatHalves);
    // Only double holds a value this close above a half.
    ExpectRounding(ZTVarI4FromR8, {{2.5000000000000004, 3}, {0.49999999999999994, 0}, {-2.5000000000000004, -3}});
}

// Guards against a rounding step that follows the thread's rounding mode instead of the rule.
TEST(ZTVarFromReal, RoundingIgnoresTheThreadRoundingMode) {
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        ExpectRounding(ZTVarI4FromR8, kRealHalves);
    }
    std::fesetround(FE_TONEAREST);
}

// Guards the range check after rounding at both ends of every integer target.
TEST(ZTVarFromReal, DoubleOverflowsExactlyBeyondEachBound) {
    ExpectCases(ZTVarUI1FromR8, {{255.0, S_OK, 255}, {255.49, S_OK, 255}, {255.5, DISP_E_OVERFLOW}, {256.0, DISP_E_OVERFLOW},
                                 {0.0, S_OK, 0}, {-0.5, S_OK, 0}, {-0.51, DISP_E_OVERFLOW}, {-1.0, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI2FromR8, {{32767.0, S_OK, 32767}, {32767.49, S_OK, 32767}, {32767.5, DISP_E_OVERFLOW},
                                {32768.0, DISP_E_OVERFLOW}, {-32768.0, S_OK, -32768}, {-32768.5, S_OK, -32768},
                                {-32768.51, DISP_E_OVERFLOW}, {-32769.0, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI2FromR8, {{65535.0, S_OK, 65535}, {65535.49, S_OK, 65535}, {65535.5, DISP_E_OVERFLOW},
                                 {65536.0, DISP_E_OVERFLOW}, {-0.5, S_OK, 0}, {-0.51, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI4FromR8, {{2147483647.0, S_OK, kI4Max}, {2147483647.49, S_OK, kI4Max},
                                {2147483647.5, DISP_E_OVERFLOW}, {2147483648.0, DISP_E_OVERFLOW},
                                {-2147483648.0, S_OK, kI4Min}, {-2147483648.5, S_OK, kI4Min},
                                {-2147483648.51, DISP_E_OVERFLOW}, {-2147483649.0, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI4FromR8, {{4294967295.0, S_OK, 4294967295u}, {4294967295.49, S_OK, 4294967295u},
                                 {4294967295.5, DISP_E_OVERFLOW}, {4294967296.0, DISP_E_OVERFLOW},
                                 {-0.5, S_OK, 0}, {-0.51, DISP_E_OVERFLOW}, {1e300, DISP_E_OVERFLOW}});
}

// Guards the same bounds from float, where 32-bit limits fall between representable values.
TEST(ZTVarFromReal, FloatOverflowsExactlyBeyondEachBound) {
    ExpectCases(ZTVarUI1FromR4, {{255.49f, S_OK, 255}, {255.5f, DISP_E_OVERFLOW}, {-0.5f, S_OK, 0}, {-0.51f, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI2FromR4, {{32767.5f, DISP_E_OVERFLOW}, {32766.5f, S_OK, 32766}, {-32768.5f, S_OK, -32768},
                                {-32769.0f, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI2FromR4, {{65535.49f, S_OK, 65535}, {65535.5f, DISP_E_OVERFLOW}, {-0.51f, DISP_E_OVERFLOW}});
    // 2147483520 and 4294967040 are the largest floats below 2^31 and 2^32.
    ExpectCases(ZTVarI4FromR4, {{2147483520.0f, S_OK, 2147483520}, {2147483648.0f, DISP_E_OVERFLOW},
                                {-2147483648.0f, S_OK, kI4Min}, {-2147483904.0f, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI4FromR4, {{4294967040.0f, S_OK, 4294967040u}, {4294967296.0f, DISP_E_OVERFLOW},
                                 {-0.5f, S_OK, 0}, {-0.51f, DISP_E_OVERFLOW}});
}

// Guards against NaN or infinities slipping through a range check that compares false.
TEST(ZTVarFromReal, NaNAndInfinitiesOverflow) {
    const double nan = std::nan("");
    ExpectCases(ZTVarUI1FromR8, {{nan, DISP_E_OVERFLOW}, {kInf, DISP_E_OVERFLOW}, {-kInf, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI2FromR8, {{nan, DISP_E_OVERFLOW}, {kInf, DISP_E_OVERFLOW}, {-kInf, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI4FromR8, {{nan, DISP_E_OVERFLOW}, {kInf, DISP_E_OVERFLOW}, {-kInf, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI4FromR8, {{nan, DISP_E_OVERFLOW}, {kInf, DISP_E_OVERFLOW}, {-kInf, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI2FromR8, {{nan, DISP_E_OVERFLOW}, {kInf, DISP_E_OVERFLOW}, {-kInf, DISP_E_OVERFLOW}});
    const float nanF = std::nanf("");
    const float infF = std::numeric_limits<float>::infinity();
    ExpectCases(ZTVarI4FromR4, {{nanF, DISP_E_OVERFLOW}, {infF, DISP_E_OVERFLOW}, {-infF, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI1FromR4, {{nanF, DISP_E_OVERFLOW}, {-infF, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarCyFromR8, {{nan, DISP_E_OVERFLOW}, {kInf, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarCyFromR4, {{nanF, DISP_E_OVERFLOW}, {-infF, DISP_E_OVERFLOW}});
}

// Guards integer narrowing: wrapping or sign reinterpretation instead of DISP_E_OVERFLOW.
TEST(ZTVarFromInteger, OverflowsExactlyBeyondEachBound) {
    ExpectCases(ZTVarUI1FromI2, {{255, S_OK, 255}, {256, DISP_E_OVERFLOW}, {0, S_OK, 0}, {-1, DISP_E_OVERFLOW},
                                 {-32768, DISP_E_OVERFLOW}, {32767, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI1FromI4, {{255, S_OK, 255}, {256, DISP_E_OVERFLOW}, {-1, DISP_E_OVERFLOW},
                                 {kI4Max, DISP_E_OVERFLOW}, {kI4Min, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI2FromUI1, {{0, S_OK, 0}, {255, S_OK, 255}});
    ExpectCases(ZTVarI2FromI4, {{32767, S_OK, 32767}, {32768, DISP_E_OVERFLOW}, {-32768, S_OK, -32768},
                                {-32769, DISP_E_OVERFLOW}, {65535, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI4FromUI1, {{255, S_OK, 255}});
    ExpectCases(ZTVarI4FromI2, {{-32768, S_OK, -32768}, {32767, S_OK, 32767}});
    ExpectCases(ZTVarUI4FromUI1, {{255, S_OK, 255}});
    ExpectCases(ZTVarUI4FromI2, {{32767, S_OK, 32767}, {0, S_OK, 0}, {-1, DISP_E_OVERFLOW}, {-32768, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI2FromUI1, {{255, S_OK, 255}});
    ExpectCases(ZTVarUI2FromI4, {{65535, S_OK, 65535}, {65536, DISP_E_OVERFLOW}, {0, S_OK, 0}, {-1, DISP_E_OVERFLOW}});
}

// Money ties and near-ties in ten-thousandths: 2.5 units give 2, 3.5 give 4, -2.5 give -2.
const std::vector<Rounding<CY>> kMoneyHalves = {
    {CY{25000}, 2},  {CY{35000}, 4},   {CY{-25000}, -2}, {CY{-35000}, -4}, {CY{15000}, 2},
    {CY{-15000}, -2}, {CY{5000}, 0},   {CY{-5000}, 0},   {CY{24999}, 2},  {CY{25001}, 3},
    {CY{-25001}, -3}, {CY{4999}, 0},   {CY{-4999}, 0},   {CY{0}, 0},      {CY{12345678}, 1235},
};

// Guards the money-to-integer division: truncation, halves away from zero, negative remainders.
TEST(ZTVarFromCy, HalvesRoundToEven) {
    ExpectRounding(ZTVarUI1FromCy, kMoneyHalves);
    ExpectRounding(ZTVarI2FromCy, kMoneyHalves);
    ExpectRounding(ZTVarI4FromCy, kMoneyHalves);
    ExpectRounding(ZTVarUI4FromCy, kMoneyHalves);
    ExpectRounding(ZTVarUI2FromCy, kMoneyHalves);
}

// Guards the range check after the money rounding, and the 64-bit extremes (no wrap on negation).
TEST(ZTVarFromCy, OverflowsExactlyBeyondEachBound) {
    ExpectCases(ZTVarUI1FromCy, {{CY{2554999}, S_OK, 255}, {CY{2555000}, DISP_E_OVERFLOW}, {CY{-5000}, S_OK, 0},
                                 {CY{-5001}, DISP_E_OVERFLOW}, {CY{kCyMax}, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI2FromCy, {{CY{327674999}, S_OK, 32767}, {CY{327675000}, DISP_E_OVERFLOW},
                                {CY{-327685000}, S_OK, -32768}, {CY{-327685001}, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI2FromCy, {{CY{655354999}, S_OK, 65535}, {CY{655355000}, DISP_E_OVERFLOW},
                                 {CY{-5001}, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI4FromCy, {{CY{21474836474999}, S_OK, kI4Max}, {CY{21474836475000}, DISP_E_OVERFLOW},
                                {CY{-21474836485000}, S_OK, kI4Min}, {CY{-21474836485001}, DISP_E_OVERFLOW},
                                {CY{kCyMin}, DISP_E_OVERFLOW}, {CY{kCyMax}, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI4FromCy, {{CY{42949672954999}, S_OK, 4294967295u}, {CY{42949672955000}, DISP_E_OVERFLOW},
                                 {CY{-5000}, S_OK, 0}, {CY{kCyMin}, DISP_E_OVERFLOW}});
}

CZTCurrency Money(std::int64_t raw) {
    CZTCurrency money;
    money.SetValor(CY{raw});
    return money;
}

// Guards that the money-object routines convert the object's value by the money rules.
TEST(ZTVarFromCZTCurrency, ConvertsTheValueOfTheObject) {
    ExpectCases(ZTVarUI1FromCZTCurrency, {{Money(2554999), S_OK, 255}, {Money(2555000), DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI2FromCZTCurrency, {{Money(-25000), S_OK, -2}, {Money(327675000), DISP_E_OVERFLOW}});
    ExpectCases(ZTVarI4FromCZTCurrency, {{Money(35000), S_OK, 4}, {Money(21474836475000), DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI4FromCZTCurrency, {{Money(25001), S_OK, 3}, {Money(-5001), DISP_E_OVERFLOW}});
    ExpectCases(ZTVarUI2FromCZTCurrency, {{Money(655354999), S_OK, 65535}, {Money(655355000), DISP_E_OVERFLOW}});
    ExpectCases(ZTVarR4FromCZTCurrency, {{Money(-25000), S_OK, -2.5f}});
    ExpectCases(ZTVarR8FromCZTCurrency, {{Money(12345), S_OK, 1.2345}});
    // Money that could not be represented holds 0, and converts as 0.
    CZTCurrency invalid;
    invalid.SetValorDouble(1e300);
    ASSERT_FALSE(invalid.IsValid());
    ExpectCases(ZTVarI4FromCZTCurrency, {{invalid, S_OK, 0}});
}

// Guards the scaling to ten-thousandths and the half-to-even rounding of reals into money.
TEST(ZTVarCy, FromIntegersAndReals) {
    ExpectCases(ZTVarCyFromUI1, {{255, S_OK, CY{2550000}}, {0, S_OK, CY{0}}});
    ExpectCases(ZTVarCyFromI2, {{-32768, S_OK, CY{-327680000}}, {32767, S_OK, CY{327670000}}});
    ExpectCases(ZTVarCyFromI4, {{kI4Min, S_OK, CY{-21474836480000}}, {kI4Max, S_OK, CY{21474836470000}}});
    ExpectCases(ZTVarCyFromR8, {{2.5, S_OK, CY{25000}}, {0.00025, S_OK, CY{2}}, {-0.00025, S_OK, CY{-2}},
                                {9e14, S_OK, CY{9000000000000000000}}, {1e15, DISP_E_OVERFLOW},
                                {-1e15, DISP_E_OVERFLOW}});
    ExpectCases(ZTVarCyFromR4, {{1.5f, S_OK, CY{15000}}, {0.1f, S_OK, CY{1000}}, {-2.5f, S_OK, CY{-25000}},
                                {1e16f, DISP_E_OVERFLOW}});
}

// Guards the money-to-real division (a float comes from the double quotient).
TEST(ZTVarFromCy, ToReals) {
    ExpectCases(ZTVarR8FromCy, {{CY{15000}, S_OK, 1.5}, {CY{-1}, S_OK, -0.0001},
                                {CY{kCyMax}, S_OK, 922337203685477.5807}, {CY{kCyMin}, S_OK, -922337203685477.5808}});
    ExpectCases(ZTVarR4FromCy, {{CY{15000}, S_OK, 1.5f}, {CY{1}, S_OK, 0.0001f}, {CY{-25000}, S_OK, -2.5f}});
}

// Guards double-to-float narrowing: overflow just beyond FLT_MAX, NaN passing, underflow not failing.
TEST(ZTVarR4, FromDoubleOverflowsBeyondFltMax) {
    const double beyond = std::nextafter(static_cast<double>(FLT_MAX), kInf);
    ExpectCases(ZTVarR4FromR8, {{static_cast<double>(FLT_MAX), S_OK, FLT_MAX}, {-static_cast<double>(FLT_MAX), S_OK, -FLT_MAX},
                                {beyond, DISP_E_OVERFLOW}, {-beyond, DISP_E_OVERFLOW}, {1e39, DISP_E_OVERFLOW},
                                {kInf, DISP_E_OVERFLOW}, {-kInf, DISP_E_OVERFLOW}, {0.1, S_OK, 0.1f},
                                {1e-50, S_OK, 0.0f}});
    float out = 7.0f;
    EXPECT_EQ(ZTVarR4FromR8(std::nan(""), &out), S_OK);
    EXPECT_TRUE(std::isnan(out));
}

// Guards integers to reals: the nearest float (ties to even), exact doubles, exact widening.
TEST(ZTVarReal, FromIntegersAndWidening) {
    ExpectCases(ZTVarR4FromI4, {{16777217, S_OK, 16777216.0f}, {16777219, S_OK, 16777220.0f},
                                {kI4Max, S_OK, 2147483648.0f}, {kI4Min, S_OK, -2147483648.0f}});
    ExpectCases(ZTVarR4FromUI1, {{255, S_OK, 255.0f}});
    ExpectCases(ZTVarR4FromI2, {{-32768, S_OK, -32768.0f}});
    ExpectCases(ZTVarR8FromUI1, {{255, S_OK, 255.0}});
    ExpectCases(ZTVarR8FromI2, {{-32768, S_OK, -32768.0}});
    ExpectCases(ZTVarR8FromI4, {{kI4Max, S_OK, 2147483647.0}, {kI4Min, S_OK, -2147483648.0}});
    ExpectCases(ZTVarR8FromR4, {{0.1f, S_OK, 0.100000001490116119384765625}});
}

// Guards text to number: the money reading (',' before the decimals, '.' grouping when a ','
// follows; without one the first '.' starts the decimals) and then the money rounding and range
// rules, ties included.
TEST(ZTTextoPara, ReadsMoneyTextThenConverts) {
    ExpectCases(ZTTextoParaUI1, {{"255,49", S_OK, 255}, {"255,5", DISP_E_OVERFLOW}, {"-0,5", S_OK, 0},
                                 {"-0,51", DISP_E_OVERFLOW}, {"2,5", S_OK, 2}, {"3,5", S_OK, 4}});
    ExpectCases(ZTTextoParaI2, {{"32.767,0", S_OK, 32767}, {"32.768,0", DISP_E_OVERFLOW}, {"32767.5", DISP_E_OVERFLOW}, {"32.767", S_OK, 33}, {"-32.768,5", S_OK, -32768},
                                {"-2,5", S_OK, -2}});
    ExpectCases(ZTTextoParaI4, {{"1.234,56", S_OK, 1235}, {"2.147.483.647,4999", S_OK, kI4Max},
                                {"2.147.483.647,5", DISP_E_OVERFLOW}, {"-2.147.483.648,5", S_OK, kI4Min}});
    ExpectCases(ZTTextoParaUI4, {{"4.294.967.295,0", S_OK, 4294967295u}, {"4.294.967.295,5", DISP_E_OVERFLOW},
                                 {"-1", DISP_E_OVERFLOW}});
    ExpectCases(ZTTextoParaUI2, {{"65.535,4999", S_OK, 65535}, {"65.535,5", DISP_E_OVERFLOW}, {"1,5", S_OK, 2}});
    ExpectCases(ZTTextoParaR4, {{"0,1", S_OK, 0.1f}, {"-2,5", S_OK, -2.5f}});
    ExpectCases(ZTTextoParaR8, {{"1.234,5", S_OK, 1234.5}, {"-0,0001", S_OK, -0.0001}, {nullptr, S_OK, 0.0}});
}

// Guards that the money reader's overflow exception becomes a result and never escapes.
TEST(ZTTextoPara, TooManyDigitsIsAnOverflowResult) {
    const char* tooBig = "99999999999999999999";
    ExpectCases(ZTTextoParaUI1, {{tooBig, DISP_E_OVERFLOW}, {nullptr, S_OK, 0}});
    ExpectCases(ZTTextoParaI2, {{tooBig, DISP_E_OVERFLOW}});
    ExpectCases(ZTTextoParaI4, {{tooBig, DISP_E_OVERFLOW}});
    ExpectCases(ZTTextoParaUI4, {{tooBig, DISP_E_OVERFLOW}});
    ExpectCases(ZTTextoParaUI2, {{tooBig, DISP_E_OVERFLOW}});
    ExpectCases(ZTTextoParaR4, {{tooBig, DISP_E_OVERFLOW}});
    ExpectCases(ZTTextoParaR8, {{tooBig, DISP_E_OVERFLOW}});
}

// Guards the setters: raw copies stay raw, units are scaled, failures keep the target intact.
TEST(ZTSetCZTCurrency, RawValuesAndUnits) {
    CZTCurrency money;
    EXPECT_EQ(ZTSetCZTCurrency(money, CY{-123}), S_OK);
    EXPECT_EQ(money.GetValor().int64, -123);
    EXPECT_EQ(ZTSetCZTCurrency(money, std::uint8_t{200}), S_OK);  // 0.02, not 200 units
    EXPECT_EQ(money.GetValor().int64, 200);
    EXPECT_EQ(ZTSetCZTCurrency(money, std::uint32_t{4294967295u}), S_OK);
    EXPECT_EQ(money.GetValor().int64, 4294967295);
    EXPECT_EQ(ZTSetCZTCurrency(money, short{-3}), S_OK);
    EXPECT_EQ(money.GetValor().int64, -30000);
    EXPECT_EQ(ZTSetCZTCurrency(money, 2.5f), S_OK);
    EXPECT_EQ(money.GetValor().int64, 25000);
    EXPECT_EQ(ZTSetCZTCurrency(money, 0.00025), S_OK);  // half to even at ten-thousandths
    EXPECT_EQ(money.GetValor().int64, 2);
    CY copy{};
    ZTGetCyDeCZTCurrency(money, copy);
    EXPECT_EQ(copy.int64, 2);
}

// Guards that a failed setter neither changes the value nor marks the money invalid or valid.
TEST(ZTSetCZTCurrency, FailureLeavesTheTargetUnchanged) {
    CZTCurrency money = Money(4321);
    EXPECT_EQ(ZTSetCZTCurrency(money, 1e300), DISP_E_OVERFLOW);
    EXPECT_EQ(ZTSetCZTCurrency(money, std::numeric_limits<float>::infinity()), DISP_E_OVERFLOW);
    EXPECT_EQ(money.GetValor().int64, 4321);
    EXPECT_TRUE(money.IsValid());

    CZTCurrency invalid;
    invalid.SetValorDouble(std::nan(""));
    ASSERT_FALSE(invalid.IsValid());
    EXPECT_EQ(ZTSetCZTCurrency(invalid, 1e300), DISP_E_OVERFLOW);
    EXPECT_FALSE(invalid.IsValid());
    EXPECT_EQ(ZTSetCZTCurrency(invalid, 1.0), S_OK);  // a successful set makes it money again
    EXPECT_TRUE(invalid.IsValid());
    EXPECT_EQ(invalid.GetValor().int64, 10000);
}

}  // namespace
