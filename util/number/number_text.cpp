#include "util/number/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Significant digits of the general conversion.
constexpr int kDigits = 15;
// Lowest decimal exponent written in fixed form: the platform's gcvt writes 0.1 in fixed form
// but 0.05 as 5.e-002, unlike printf's %g, which keeps the fixed form down to 0.0001.
constexpr int kLowestFixedExponent = -1;

// |value| as kDigits significant digits d.ddd… × 10^exponent.
struct Significant {
    std::string digits;
    int exponent = 0;
};

// The finite |value| rounded half away from zero to kDigits digits, as the platform's C library
// rounded. glibc's printf would send an exact half to even (1000000000000025 would become
// 1.00000000000002e+15), so the value is printed with all its digits (a double has at most 767
// significant ones) and rounded here.
Significant RoundToSignificant(double value) {
    char text[800];
    std::snprintf(text, sizeof text, "%.766e", std::fabs(value));  // d.ddd…e±xx
    Significant result;
    result.digits.push_back(text[0]);
    result.digits.append(text + 2, kDigits - 1);
    const char next = text[kDigits + 1];
    result.exponent = std::atoi(std::strchr(text, 'e') + 1);
    if (next < '5') return result;
    std::string& digits = result.digits;
    auto carry = digits.rbegin();
    for (; carry != digits.rend() && *carry == '9'; ++carry) *carry = '0';
    if (carry != digits.rend()) {
        ++*carry;
    } else {
        digits.front() = '1';  // 9.99…95 became 10.0…: one more decimal place
        ++result.exponent;
    }
    return result;
}

// Drops the zeros at the end of the fraction; the decimal point stays.
void DropTrailingZeros(std::string& text) {
    while (!text.empty() && text.back() == '0') text.pop_back();
}

std::string FixedText(const Significant& s) {
    std::string text;
    if (s.exponent >= 0) {
        const auto whole = static_cast<std::size_t>(s.exponent) + 1;
        text = s.digits.substr(0, whole) + '.' + s.digits.substr(whole);
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-s.exponent - 1), '0') + s.digits;
    }
    DropTrailingZeros(text);
    return text;
}

std::string ExponentText(const Significant& s) {
    std::string text = s.digits.substr(0, 1) + '.' + s.digits.substr(1);
    DropTrailingZeros(text);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%03d", s.exponent < 0 ? '-' : '+', std::abs(s.exponent));
    return text + exponent;
}

// Infinities and NaNs in that library's words: INF, IND for the processor's default NaN (negative,
// quiet, no payload), QNAN for other quiet NaNs, SNAN for signalling ones.
std::string NonFiniteText(double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return sign + "1.#INF";
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;
    constexpr std::uint64_t kPayload = kQuietBit - 1;
    if ((bits & kQuietBit) == 0) return sign + "1.#SNAN";
    if (std::signbit(value) && (bits & kPayload) == 0) return sign + "1.#IND";
    return sign + "1.#QNAN";
}

// The platform's gcvt(value, 15, buffer): the general form of the header, without the "00".
std::string GeneralText(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const Significant s = RoundToSignificant(value);
    const bool fixed = s.exponent >= kLowestFixedExponent && s.exponent < kDigits;
    return (std::signbit(value) ? "-" : "") + (fixed ? FixedText(s) : ExponentText(s));
}

}  // namespace

CZTString ZTDoubleParaTexto(double value) {
    std::string text = GeneralText(value);
    if (text.back() == '.') text += "00";
    return CZTString(std::move(text));
}

CZTString ZTFloatParaTexto(float value) { return ZTDoubleParaTexto(static_cast<double>(value)); }

CZTString ZTLongParaTexto(std::int32_t value) { return CZTString::Formata("%d", value); }

CZTString ZTShortParaTexto(short value) { return CZTString::Formata("%d", value); }

CZTString ZTWordParaTexto(std::uint16_t value) { return CZTString::Formata("%u", static_cast<unsigned>(value)); }

CZTString ZTByteParaTexto(std::uint8_t value) { return CZTString::Formata("%u", static_cast<unsigned>(value)); }
