// Reading money from text (ZTTextoParaCy): a '-' anywhere makes the result negative (the first
// '-' is removed); the text is cut to 25 characters; the decimals are the characters after the
// last ',' or, without one, after the first '.'; only the digits are kept, and '0's are appended
// or the last digits cut so that exactly four decimals remain.
#include "util/money/money_text.h"

#include "util/money/cy_operators.h"
#include "util/money/zt_currency.h"

#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr std::size_t kMaxTexto = 25;
constexpr std::uint64_t kPotencia[5] = {1, 10, 100, 1000, 10000};

std::uint64_t Magnitude(CY value) {
    const auto raw = static_cast<std::uint64_t>(value.int64);
    return value.int64 < 0 ? ~raw + 1 : raw;  // well defined for the most negative value too
}

std::string Grouped(std::uint64_t whole) {
    std::string digits = std::to_string(whole);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return out;
}

std::string Decimals(std::uint64_t fraction, int casas) {
    std::string text = std::to_string(fraction);
    return std::string(static_cast<std::size_t>(casas) - text.size(), '0') + text;
}

int DecimalCount(const std::string& text) {
    const auto comma = text.rfind(',');
    if (comma != std::string::npos) return static_cast<int>(text.size() - comma - 1);
    const auto dot = text.find('.');
    if (dot != std::string::npos) return static_cast<int>(text.size() - dot - 1);
    return 0;
}

}  // namespace

CZTString ZTFormataCy(CY value, short casas) {
    if (casas < 0 || casas > 4) casas = 4;
    const std::uint64_t unit = kPotencia[4 - casas];
    const std::uint64_t kept = (Magnitude(value) + unit / 2) / unit;  // cannot wrap: magnitude <= 2^63
    const std::uint64_t whole = kept / kPotencia[casas];
    std::string text = Grouped(whole);
    if (casas > 0) text += ',' + Decimals(kept % kPotencia[casas], casas);
    if (value.int64 < 0 && kept != 0) text.insert(0, 1, '-');
    return CZTString(text.c_str());
}

CY ZTTextoParaCy(const char* texto) {
    std::string text = texto != nullptr ? texto : "";
    const auto minus = text.find('-');
    const bool negative = minus != std::string::npos;
    if (negative) text.erase(minus, 1);
    if (text.size() > kMaxTexto) text.resize(kMaxTexto);
    const int decimals = DecimalCount(text);
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits += c;
    if (decimals < 4) digits.append(static_cast<std::size_t>(4 - decimals), '0');
    const std::size_t cut = decimals > 4 ? static_cast<std::size_t>(decimals - 4) : 0;
    digits.resize(digits.size() > cut ? digits.size() - cut : 0);
    std::uint64_t magnitude = 0;
    for (char c : digits) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            throw platform::ComError(platform::DISP_E_OVERFLOW);
        magnitude = magnitude * 10 + digit;
    }
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        throw platform::ComError(platform::DISP_E_OVERFLOW);
    const auto value = static_cast<std::int64_t>(magnitude);
    return CY{negative ? -value : value};
}

void ZTTextoParaCZTCurrency(const char* texto, CZTCurrency& target) { target.SetValor(ZTTextoParaCy(texto)); }

bool ZTCyParaDigitos(CY value, char* buffer, std::size_t size) {
    const std::uint64_t magnitude = Magnitude(value);
    const std::string digits = std::to_string(magnitude / 10000) + Decimals(magnitude % 10000, 4);
    if (buffer == nullptr || size == 0) return false;
    if (digits.size() + 1 > size) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, digits.c_str(), digits.size() + 1);
    return true;
}

CZTString ZTCyParaTexto(CY value) {
    const std::uint64_t magnitude = Magnitude(value);
    std::string decimals = Decimals(magnitude % 10000, 4);
    while (decimals.size() > 2 && decimals.back() == '0') decimals.pop_back();
    std::string text = std::to_string(magnitude / 10000) + ',' + decimals;
    if (value.int64 < 0) text.insert(0, 1, '-');
    return CZTString(text.c_str());
}

CZTString ZTCyParaTexto(const CZTCurrency& value) { return ZTCyParaTexto(value.GetValor()); }

std::int32_t ZTCyParaInteiro(CY value, int casas) {
    const CY scaled = value * money::CyFromI4(casas == 4 ? 10000 : 100);
    std::int32_t out = 0;
    money::ThrowIfFailed(money::I4FromCy(scaled, &out));
    return out;
}

CY ZTInteiroParaCy(std::int32_t n, int casas) {
    return money::CyFromI4(n) / money::CyFromI4(casas == 4 ? 10000 : 100);
}
