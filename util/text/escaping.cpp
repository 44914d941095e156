#include "util/text/escaping.h"

#include <array>
#include <string_view>

namespace {

using EscapeFlags = std::array<bool, 256>;

constexpr std::string_view kPunctuationThatPasses = "!'()*-._";

// Flags every byte except letters, digits, the punctuation above and `extra`.
constexpr EscapeFlags MakeFlags(std::string_view extra) {
    EscapeFlags flags{};
    for (unsigned b = 0; b < flags.size(); ++b) {
        const char ch = static_cast<char>(b);
        const bool passes = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
                            kPunctuationThatPasses.find(ch) != std::string_view::npos ||
                            extra.find(ch) != std::string_view::npos;
        flags[b] = !passes;
    }
    return flags;
}

constexpr EscapeFlags kPercentFlags = MakeFlags("");
constexpr EscapeFlags kQuotedPrintableFlags = MakeFlags(" ");

constexpr int kEscapedWidth = 3;

CZTString Escape(const char* text, char escape, const EscapeFlags& flags) {
    CZTString result;
    if (!text) return result;
    const std::string_view source(text);

    int length = 0;
    for (const char ch : source) length += flags[static_cast<unsigned char>(ch)] ? kEscapedWidth : 1;

    constexpr char kHex[] = "0123456789ABCDEF";
    char* out = result.GetBufferSetLength(length);
    for (const char ch : source) {
        const auto byte = static_cast<unsigned char>(ch);
        if (!flags[byte]) {
            *out++ = ch;
            continue;
        }
        *out++ = escape;
        *out++ = kHex[byte >> 4];
        *out++ = kHex[byte & 0xF];
    }
    return result;
}

}  // namespace

CZTString ZTCodificaURL(const char* text) { return Escape(text, '%', kPercentFlags); }

CZTString ZTCodificaQuotedPrintable(const char* text) { return Escape(text, '=', kQuotedPrintableFlags); }
