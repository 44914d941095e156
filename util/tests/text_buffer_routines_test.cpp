#include "util/text/buffer_routines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

// A heap buffer of exactly `capacity` bytes holding `text`, so that the address sanitizer
// catches any write past it.
std::unique_ptr<char[]> ExactBuffer(const std::string& text, size_t capacity) {
    auto buffer = std::make_unique<char[]>(capacity);
    std::memcpy(buffer.get(), text.c_str(), std::min(text.size() + 1, capacity));
    return buffer;
}

std::unique_ptr<char[]> ExactBuffer(const std::string& text) { return ExactBuffer(text, text.size() + 1); }

struct InPlaceCase {
    const char* input;
    const char* expected;
};

void ExpectInPlace(char* (*routine)(char*), std::initializer_list<InPlaceCase> cases) {
    for (const InPlaceCase& c : cases) {
        auto buffer = ExactBuffer(c.input);
        EXPECT_EQ(routine(buffer.get()), buffer.get());
        EXPECT_STREQ(buffer.get(), c.expected) << '"' << c.input << '"';
    }
    EXPECT_EQ(routine(nullptr), nullptr);  // a null buffer is left alone
}

TEST(ZTBufferRoutines, TrimmingRemovesBlanksOnly) {
    ExpectInPlace(ZTRetiraEspacosDireita, {{"abc  ", "abc"}, {"   ", ""}, {"", ""}, {"a\t ", "a\t"}, {" a", " a"}});
    ExpectInPlace(ZTRetiraEspacosEsquerda, {{"  ab ", "ab "}, {"ab", "ab"}, {"   ", ""}, {"\tab", "\tab"}, {"", ""}});
    EXPECT_EQ(ZTRetiraEspacosDireitaTexto(" a b  "), " a b");
    EXPECT_EQ(ZTRetiraEspacosDireitaTexto(nullptr), "");
}

TEST(ZTCompletaComBrancos, CutsOrPadsWithinTheCallersBuffer) {
    struct Case {
        std::string text;
        int length;
        std::string expected;
    };
    const std::string long450(450, 'x');
    const Case cases[] = {
        {"abc", 5, "abc  "},
        {"abc", 2, "ab"},
        {"abc", 3, "abc"},
        {"abc", 500, "abc"},  // the work area cannot hold 500: unchanged
        {"abc", 398, "abc" + std::string(395, ' ')},
        {"abc", 399, "abc"},
        {"", 5, ""},
        {"abc", 0, ""},
        {"abc", -1, "abc"},
        // Texts longer than the work area are cut in place, never copied into it.
        {long450, 420, std::string(420, 'x')},
        {long450, 10, std::string(10, 'x')},
        {long450, 500, long450},
    };
    for (const Case& c : cases) {
        // Only the padded length plus the NUL is available; the sanitizer reports any more.
        const size_t capacity = std::max(c.text.size(), c.expected.size()) + 1;
        auto buffer = ExactBuffer(c.text, capacity);
        EXPECT_EQ(ZTCompletaComBrancos(buffer.get(), c.length), buffer.get());
        EXPECT_EQ(std::string(buffer.get()), c.expected) << c.text.size() << " chars to " << c.length;
    }
    EXPECT_EQ(ZTCompletaComBrancos(nullptr, 5), nullptr);
}

TEST(ZTCompletaComBrancos, PaddingStopsAtTheRequestedLength) {
    // Guards against padding that writes past length + 1.
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    std::strcpy(buffer, "ab");
    ZTCompletaComBrancos(buffer, 5);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("ab   \0######", 12));
}

TEST(ZTSoDigitos, CopiesOnlyDigits) {
    char target[16];
    EXPECT_EQ(ZTSoDigitos("12/05/2014", target), 8);
    EXPECT_STREQ(target, "12052014");
    EXPECT_EQ(ZTSoDigitos("abc", target), 0);
    EXPECT_STREQ(target, "");
    // Source and target may be one buffer.
    auto same = ExactBuffer("R$ 1.234,56");
    EXPECT_EQ(ZTSoDigitos(same.get(), same.get()), 6);
    EXPECT_STREQ(same.get(), "123456");
}

TEST(ZTSoDigitos, NullPointersCopyNothing) {
    char target[4] = "xyz";
    EXPECT_EQ(ZTSoDigitos(nullptr, target), 0);
    EXPECT_STREQ(target, "xyz");
    EXPECT_EQ(ZTSoDigitos("123", nullptr), 0);
}

TEST(ZTBufferRoutines, KeepingCharacterClasses) {
    ExpectInPlace(ZTSoDigitosBuffer, {{"a1b2.3,4", "1234"}, {"", ""}, {"x", ""}});
    ExpectInPlace(ZTSoDigitosEPonto, {{"a1b2.3,4", "12.34"}, {"..", ".."}});
    ExpectInPlace(ZTSoDigitosEVirgula, {{"a1b2.3,4", "123,4"}, {",,", ",,"}});
    ExpectInPlace(ZTRetiraAspas, {{"\"a\"\"b\"", "ab"}, {"\"", ""}, {"abc", "abc"}});
    EXPECT_EQ(ZTSoDigitosTexto("(11) 5555-1234"), "1155551234");
    EXPECT_EQ(ZTSoDigitosTexto(nullptr), "");
}

TEST(ZTLimpaFinal, ZeroesTheTailUpToTheFieldSize) {
    char field[10];
    std::memset(field, '#', sizeof field);
    std::memcpy(field, "ab\0cdef", 7);
    ZTLimpaFinal(field, 8);
    EXPECT_EQ(std::string(field, sizeof field), std::string("ab\0\0\0\0\0\0##", 10));
    // A field without a NUL must not be scanned or written beyond its size.
    auto full = ExactBuffer("abcd", 4);
    ZTLimpaFinal(full.get(), 4);
    EXPECT_EQ(std::string(full.get(), 4), "abcd");
    ZTLimpaFinal(nullptr, 4);
}

TEST(ZTSoNumeroFormatado, AcceptsOnlyNumberPunctuation) {
    EXPECT_TRUE(ZTSoNumeroFormatado("12.345.678/0001-90"));
    EXPECT_TRUE(ZTSoNumeroFormatado(" 1 2 "));
    EXPECT_TRUE(ZTSoNumeroFormatado(""));
    EXPECT_FALSE(ZTSoNumeroFormatado("1,5"));
    EXPECT_FALSE(ZTSoNumeroFormatado("12a"));
    EXPECT_FALSE(ZTSoNumeroFormatado("1\t2"));
    EXPECT_FALSE(ZTSoNumeroFormatado(nullptr));
}

TEST(ZTAplicaPontosMascara, InsertsTheMasksDots) {
    struct Case {
        const char* text;
        const char* mask;
        const char* expected;
    };
    const Case cases[] = {
        {"123456", "9.99.999", "1.23.456"},
        {"1.23456", "9.99.999", "1.23.456"},  // a dot already typed is not doubled
        {"1234567", "9.99.999", "1.23.4567"},
        {"12", "9.99.999", "1.2"},
        {"12", "9..9", "1..2"},
        {"123", "", "123"},
        {"123", nullptr, "123"},
        {"", "9.9", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZTAplicaPontosMascara(c.text, c.mask), c.expected) << c.text << " / " << (c.mask ? c.mask : "null");
    }
}

}  // namespace
