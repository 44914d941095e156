#include "platform/text/string.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(String, BufferAccessTakesLengthFromTheNul) {
    String s;
    char* buffer = s.GetBuffer(10);
    std::snprintf(buffer, 11, "abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(s.GetLength(), 3);
    s.GetBuffer(5);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "ab");
}

TEST(String, SlicesClampOutOfRangeArguments) {
    const String s("abcdef");
    EXPECT_EQ(s.Mid(2), "cdef");
    EXPECT_EQ(s.Mid(4, 10), "ef");
    EXPECT_EQ(s.Mid(10), "");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(2), "ef");
    EXPECT_EQ(s.Right(20), "abcdef");
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find("cd"), 2);
    EXPECT_EQ(s.Find('a', 99), -1);
}

TEST(String, CaseMappingCoversAccentedLetters) {
    String s("a\xE7\xE3o \xF7");  // "ação ÷": the division sign has no case
    s.MakeUpper();
    EXPECT_EQ(s, "A\xC7\xC3O \xF7");
    EXPECT_EQ(String("\xC9").CompareNoCase("\xE9"), 0);
    EXPECT_LT(String("a").CompareNoCase("B"), 0);
}

TEST(String, ReplaceRemoveAndTrim) {
    String s("  a--b--c  ");
    EXPECT_EQ(s.Trim(), "a--b--c");
    EXPECT_EQ(s.Replace("--", "-"), 2);
    EXPECT_EQ(s, "a-b-c");
    EXPECT_EQ(s.Remove('-'), 2);
    EXPECT_EQ(s, "abc");
    String dots("..x..");
    EXPECT_EQ(dots.TrimRight("."), "..x");
}

TEST(String, FormatHandlesLongOutput) {
    String s;
    s.Format("%s-%05d", std::string(1000, 'x').c_str(), 42);
    EXPECT_EQ(s.GetLength(), 1006);
    EXPECT_EQ(s.Right(6), "-00042");
}

TEST(String, WideConstructorConvertsToAnsi) {
    EXPECT_EQ(String(u"S\u00E1bado"), "S\xE1" "bado");
    EXPECT_EQ(String(u"abc", 2), "ab");
}

}  // namespace
}  // namespace platform
