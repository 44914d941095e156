#include "platform/text/codepage.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(CodePage, EveryAnsiByteSurvivesUtf16AndUtf8RoundTrips) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(AnsiFromUtf16(Utf16FromAnsi(one)), one) << "byte " << b;
        EXPECT_EQ(AnsiFromUtf8(Utf8FromAnsi(one)), one) << "byte " << b;
    }
}

TEST(CodePage, HighRangeFollowsTheWindows1252Table) {
    EXPECT_EQ(Utf16FromAnsiByte(0x80), u'\u20AC');  // euro sign
    EXPECT_EQ(Utf16FromAnsiByte(0x9F), u'\u0178');
    EXPECT_EQ(Utf16FromAnsiByte(0xE3), u'\u00E3');  // a-tilde
    // The five undefined bytes map to the C1 controls of the same value.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(Utf16FromAnsiByte(b), char16_t{b});
}

TEST(CodePage, Utf8OfPortugueseText) {
    EXPECT_EQ(Utf8FromAnsi("S\xE1" "bado"), "Sábado");
    EXPECT_EQ(AnsiFromUtf8("Não"), "N\xE3o");
}

TEST(CodePage, UnmappableAndMalformedInputBecomesQuestionMark) {
    EXPECT_EQ(AnsiFromUtf8("日"), "?");                      // no Windows-1252 form
    EXPECT_EQ(AnsiFromUtf8("a\xC3"), "a?");                   // truncated sequence
    EXPECT_EQ(AnsiFromUtf8("\xC0\xAF"), "?");                 // overlong encoding
    EXPECT_EQ(AnsiFromUtf16(u"x\U0001F600y"), "x?y");         // beyond the basic plane
    EXPECT_EQ(AnsiFromUtf16(std::u16string(1, 0xD800)), "?");  // lone surrogate
}

}  // namespace
}  // namespace platform
