#include "util/text/escaping.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool PassesUnescaped(unsigned b, bool blankPasses) {
    const std::string_view punctuation = "!'()*-._";
    if (b >= 'A' && b <= 'Z') return true;
    if (b >= 'a' && b <= 'z') return true;
    if (b >= '0' && b <= '9') return true;
    if (b == ' ') return blankPasses;
    return punctuation.find(static_cast<char>(b)) != std::string_view::npos;
}

std::string Escaped(char escape, unsigned b) {
    char text[4];
    std::snprintf(text, sizeof text, "%c%02X", escape, b);
    return text;
}

TEST(ZTCodifica, EdgeCases) {
    EXPECT_EQ(ZTCodificaURL("a b&c"), "a%20b%26c");
    EXPECT_EQ(ZTCodificaQuotedPrintable("a b=c"), "a b=3Dc");
    // High bytes are written as unsigned, not sign-extended.
    EXPECT_EQ(ZTCodificaURL("\xE9"), "%E9");
    EXPECT_EQ(ZTCodificaQuotedPrintable("\xE9"), "=E9");
    EXPECT_EQ(ZTCodificaURL("\xFF"), "%FF");
    EXPECT_EQ(ZTCodificaURL(""), "");
    EXPECT_EQ(ZTCodificaURL(nullptr), "");
    EXPECT_EQ(ZTCodificaQuotedPrintable(nullptr), "");
}

TEST(ZTCodificaQuotedPrintable, LineBreaksAreEscapedWithoutSoftBreaks) {
    EXPECT_EQ(ZTCodificaQuotedPrintable("a\r\nb"), "a=0D=0Ab");
    const std::string longLine(200, 'x');
    EXPECT_EQ(ZTCodificaQuotedPrintable(longLine.c_str()), longLine);  // no line length is enforced
}

TEST(ZTCodifica, PercentThenQuotedPrintableEscapesThePercentSigns) {
    EXPECT_EQ(ZTCodificaQuotedPrintable(ZTCodificaURL("Loja 1").GetString()), "Loja=25201");
}

TEST(ZTCodifica, EveryByteIsPassedOrEscapedByItsTable) {
    for (unsigned b = 1; b < 256; ++b) {
        const std::string text(1, static_cast<char>(b));
        const std::string url = ZTCodificaURL(text.c_str()).str();
        const std::string qp = ZTCodificaQuotedPrintable(text.c_str()).str();
        EXPECT_EQ(url, PassesUnescaped(b, false) ? text : Escaped('%', b)) << "byte " << b;
        EXPECT_EQ(qp, PassesUnescaped(b, true) ? text : Escaped('=', b)) << "byte " << b;
    }
}

TEST(ZTCodifica, LengthIsCountedOverTheWholeText) {
    // Every byte in one text: the reserved length must match what is written.
    std::string all;
    for (unsigned b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string expected;
    for (unsigned b = 1; b < 256; ++b) expected += PassesUnescaped(b, false) ? std::string(1, static_cast<char>(b)) : Escaped('%', b);
    const CZTString url = ZTCodificaURL(all.c_str());
    EXPECT_EQ(url.str(), expected);
    EXPECT_EQ(url.GetLength(), static_cast<int>(std::strlen(url.GetString())));
}

}  // namespace
