#include "util/number/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>

namespace {

struct TextCase {
    double value;
    const char* text;
};

void ExpectTexts(std::initializer_list<TextCase> cases) {
    for (const auto& c : cases) EXPECT_EQ(ZTDoubleParaTexto(c.value).str(), c.text) << "value " << c.value;
}

// Guards the fixed form: the decimal point always kept, "00" after a bare point, fraction zeros
// dropped, at most 15 significant digits.
TEST(ZTDoubleParaTexto, FixedForm) {
    ExpectTexts({{12.0, "12.00"},
                 {0.0, "0.00"},
                 {1.0, "1.00"},
                 {-1.0, "-1.00"},
                 {0.5, "0.5"},
                 {0.1, "0.1"},
                 {0.123, "0.123"},
                 {-1234.5, "-1234.5"},
                 {0.1 + 0.2, "0.3"},  // 0.30000000000000004 beyond the 15th digit
                 {1.0 / 3.0, "0.333333333333333"},
                 {2.0 / 3.0, "0.666666666666667"},
                 {100000000000000.0, "100000000000000.00"},
                 {123456789012345.0, "123456789012345.00"}});
}

// Guards the exponent form: 15 digits or more before the point, or below 0.1 (not %g's
// 0.0001), with a sign and three exponent digits and the point kept.
TEST(ZTDoubleParaTexto, ExponentForm) {
    ExpectTexts({{1e20, "1.e+020"},
                 {1.5e-7, "1.5e-007"},
                 {1e15, "1.e+015"},
                 {1234567890123456.0, "1.23456789012346e+015"},
                 {0.05, "5.e-002"},
                 {0.0123, "1.23e-002"},
                 {-0.0123, "-1.23e-002"},
                 {1e-5, "1.e-005"},
                 {1e-300, "1.e-300"},
                 {DBL_MAX, "1.79769313486232e+308"},
                 {4.9406564584124654e-324, "4.94065645841247e-324"}});
}

// Guards the rounding at the 15th digit: exact halves go away from zero (glibc would go to
// even), and a carry through nines moves the decimal exponent and with it the form.
TEST(ZTDoubleParaTexto, RoundsHalfAwayFromZeroWithCarry) {
    ExpectTexts({{1000000000000025.0, "1.00000000000003e+015"},
                 {-1000000000000025.0, "-1.00000000000003e+015"},
                 {100000000000000.5, "100000000000001.00"},
                 {1000000000000015.0, "1.00000000000002e+015"},
                 {9.999999999999999, "10.00"},
                 {99999999999999.99, "100000000000000.00"},
                 {0.09999999999999999, "0.1"}});
}

// Guards the texts of infinities and NaNs that the platform's C library printed.
TEST(ZTDoubleParaTexto, InfinitiesAndNaNs) {
    const double inf = std::numeric_limits<double>::infinity();
    ExpectTexts({{inf, "1.#INF"},
                 {-inf, "-1.#INF"},
                 {std::nan(""), "1.#QNAN"},
                 {std::copysign(std::nan(""), -1.0), "-1.#IND"},
                 {std::numeric_limits<double>::signaling_NaN(), "1.#SNAN"}});
}

// Guards that a float is widened to double before its 15 digits are written.
TEST(ZTFloatParaTexto, WidensToDouble) {
    EXPECT_EQ(ZTFloatParaTexto(0.1f).str(), "0.100000001490116");
    EXPECT_EQ(ZTFloatParaTexto(0.3f).str(), "0.300000011920929");
    EXPECT_EQ(ZTFloatParaTexto(12.0f).str(), "12.00");
    EXPECT_EQ(ZTFloatParaTexto(1.5f).str(), "1.5");
    EXPECT_EQ(ZTFloatParaTexto(FLT_MAX).str(), "3.40282346638529e+038");
    EXPECT_EQ(ZTFloatParaTexto(-std::numeric_limits<float>::infinity()).str(), "-1.#INF");
}

// Guards the integer texts at the limits of each type (sign, no wrap of unsigned values).
TEST(ZTIntegerParaTexto, DecimalTextAtTheLimits) {
    EXPECT_EQ(ZTLongParaTexto(std::numeric_limits<std::int32_t>::min()).str(), "-2147483648");
    EXPECT_EQ(ZTLongParaTexto(std::numeric_limits<std::int32_t>::max()).str(), "2147483647");
    EXPECT_EQ(ZTLongParaTexto(0).str(), "0");
    EXPECT_EQ(ZTShortParaTexto(-32768).str(), "-32768");
    EXPECT_EQ(ZTShortParaTexto(32767).str(), "32767");
    EXPECT_EQ(ZTWordParaTexto(65535).str(), "65535");
    EXPECT_EQ(ZTWordParaTexto(0).str(), "0");
    EXPECT_EQ(ZTByteParaTexto(255).str(), "255");
    EXPECT_EQ(ZTByteParaTexto(7).str(), "7");
}

}  // namespace
