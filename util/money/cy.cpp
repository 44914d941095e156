#include "util/money/cy.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace money {
namespace {

using Wide = __int128;
using platform::DISP_E_DIVBYZERO;
using platform::DISP_E_OVERFLOW;
using platform::HRESULT;
using platform::S_OK;

constexpr std::int64_t kScale = 10000;
// Beyond this power of ten every quotient or product of money is either 0 or out of range.
constexpr int kMaxPower = 36;

Wide PowerOfTen(int n) {
    Wide result = 1;
    for (int i = 0; i < n; ++i) result *= 10;
    return result;
}

bool FitsCy(Wide value) {
    return value >= std::numeric_limits<std::int64_t>::min() && value <= std::numeric_limits<std::int64_t>::max();
}

// numerator ÷ denominator rounded half to even; the denominator is not zero and both stay far
// enough below the 128-bit limit that doubling the remainder cannot overflow.
Wide DivideHalfEven(Wide numerator, Wide denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    const Wide magnitude = negative ? -numerator : numerator;
    Wide quotient = magnitude / denominator;
    const Wide twice = (magnitude % denominator) * 2;
    if (twice > denominator || (twice == denominator && (quotient & 1) != 0)) ++quotient;
    return negative ? -quotient : quotient;
}

HRESULT Store(Wide value, CY* out) {
    if (!FitsCy(value)) return DISP_E_OVERFLOW;
    out->int64 = static_cast<std::int64_t>(value);
    return S_OK;
}

// A double as mantissa × 10^exponent with 15 significant digits; false for NaN and infinities.
struct DecimalR8 {
    std::int64_t mantissa = 0;
    int exponent = 0;
};

bool DecimalFromR8(double value, DecimalR8* out) {
    if (!std::isfinite(value)) return false;
    char text[48];
    std::snprintf(text, sizeof text, "%.14e", value);  // d.dddddddddddddde±xx
    const char* e = text;
    while (*e != '\0' && *e != 'e') ++e;
    if (*e != 'e') return false;
    std::int64_t mantissa = 0;
    for (const char* p = text; p < e; ++p)
        if (*p >= '0' && *p <= '9') mantissa = mantissa * 10 + (*p - '0');
    out->mantissa = text[0] == '-' ? -mantissa : mantissa;
    out->exponent = std::atoi(e + 1) - 14;
    return true;
}

// (numerator × 10^numeratorPower) ÷ denominator, rounded, into *out; out of range gives overflow.
HRESULT ScaledQuotient(Wide numerator, int numeratorPower, Wide denominator, CY* out) {
    if (denominator == 0) return DISP_E_DIVBYZERO;
    if (numerator == 0) return S_OK;
    if (numeratorPower > kMaxPower) return DISP_E_OVERFLOW;
    if (numeratorPower < -kMaxPower) return S_OK;  // far below one ten-thousandth
    if (numeratorPower >= 0) {
        // Numerators here stay below 2^63 × 10^15; each step checks before it multiplies.
        for (int i = 0; i < numeratorPower; ++i) {
            if (numerator > PowerOfTen(37) || numerator < -PowerOfTen(37)) return DISP_E_OVERFLOW;
            numerator *= 10;
        }
        return Store(DivideHalfEven(numerator, denominator), out);
    }
    const Wide divisor = PowerOfTen(-numeratorPower);
    if (denominator > PowerOfTen(37) / divisor || denominator < -(PowerOfTen(37) / divisor))
        return S_OK;  // the quotient rounds to 0
    return Store(DivideHalfEven(numerator, denominator * divisor), out);
}

}  // namespace

HRESULT CyAdd(CY left, CY right, CY* out) { return Store(Wide{left.int64} + right.int64, out); }

HRESULT CySub(CY left, CY right, CY* out) { return Store(Wide{left.int64} - right.int64, out); }

HRESULT CyMul(CY left, CY right, CY* out) {
    return Store(DivideHalfEven(Wide{left.int64} * right.int64, kScale), out);
}

HRESULT CyNeg(CY value, CY* out) { return Store(-Wide{value.int64}, out); }

HRESULT CyFromR8(double value, CY* out) {
    const double scaled = value * static_cast<double>(kScale);
    // 2^63 is exactly representable; anything at or beyond it (or NaN) does not fit.
    if (!(scaled > -9223372036854775808.0 && scaled < 9223372036854775808.0)) return DISP_E_OVERFLOW;
    const double rounded = std::nearbyint(scaled);  // the default rounding is half to even
    if (!(rounded > -9223372036854775808.0 && rounded < 9223372036854775808.0)) return DISP_E_OVERFLOW;
    out->int64 = static_cast<std::int64_t>(rounded);
    return S_OK;
}

double R8FromCy(CY value) { return static_cast<double>(value.int64) / static_cast<double>(kScale); }

CY CyFromI4(std::int32_t units) { return CY{std::int64_t{units} * kScale}; }

HRESULT I4FromCy(CY value, std::int32_t* out) {
    const Wide units = DivideHalfEven(value.int64, kScale);
    if (units < std::numeric_limits<std::int32_t>::min() || units > std::numeric_limits<std::int32_t>::max())
        return DISP_E_OVERFLOW;
    *out = static_cast<std::int32_t>(units);
    return S_OK;
}

HRESULT CyDivCy(CY left, CY right, CY* out) {
    *out = CY{};
    return ScaledQuotient(left.int64, 4, right.int64, out);
}

HRESULT CyMulR8(CY left, double right, CY* out) {
    *out = CY{};
    DecimalR8 factor;
    if (!DecimalFromR8(right, &factor)) return DISP_E_OVERFLOW;
    return ScaledQuotient(Wide{left.int64} * factor.mantissa, factor.exponent, 1, out);
}

HRESULT CyDivR8(CY left, double right, CY* out) {
    *out = CY{};
    DecimalR8 divisor;
    if (!DecimalFromR8(right, &divisor)) return DISP_E_OVERFLOW;
    return ScaledQuotient(left.int64, -divisor.exponent, divisor.mantissa, out);
}

HRESULT R8DivCy(double left, CY right, CY* out) {
    *out = CY{};
    DecimalR8 dividend;
    if (!DecimalFromR8(left, &dividend)) return DISP_E_OVERFLOW;
    // (m × 10^e) ÷ (r ÷ 10^4) in ten-thousandths is m × 10^(e+8) ÷ r.
    return ScaledQuotient(dividend.mantissa, dividend.exponent + 8, right.int64, out);
}

void ThrowIfFailed(HRESULT hr) {
    if (platform::FAILED(hr)) throw platform::ComError(hr);
}

}  // namespace money
