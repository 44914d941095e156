#include "util/text/code_page.h"

#include "platform/text/codepage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Letter {
    const char* utf8;
    unsigned char dos;
};

// Every letter the conversion knows, with its DOS code.
const Letter kLetters[] = {
    {"â", 0x83}, {"ã", 0x84}, {"à", 0x85}, {"Ä", 0x8E}, {"Á", 0x8F}, {"á", 0xA0},
    {"é", 0x82}, {"ê", 0x88}, {"ë", 0x89}, {"è", 0x8A}, {"É", 0x90}, {"ï", 0x8B},
    {"î", 0x8C}, {"ì", 0x8D}, {"í", 0xA1}, {"ô", 0x93}, {"õ", 0x94}, {"ò", 0x95},
    {"Õ", 0x99}, {"ó", 0xA2}, {"ü", 0x81}, {"û", 0x96}, {"ù", 0x97}, {"Ü", 0x9A},
    {"ú", 0xA3}, {"Ç", 0x80}, {"ç", 0x87}, {"ñ", 0xA4}, {"Ñ", 0xA5},
};

unsigned char Ansi(const char* utf8) {
    const std::string ansi = platform::AnsiFromUtf8(utf8);
    EXPECT_EQ(ansi.size(), 1u) << utf8;
    return static_cast<unsigned char>(ansi.at(0));
}

std::string Converted(char* (*routine)(char*), std::string text) {
    routine(text.data());
    return text;
}

std::string OneByte(unsigned b) { return std::string(1, static_cast<char>(b)); }

TEST(ZTConverteAnsiParaOem, RoundTripOfEveryListedLetter) {
    const unsigned char aTilde = Ansi("ã");
    const unsigned char oTilde = Ansi("õ");
    for (const Letter& letter : kLetters) {
        const unsigned char ansi = Ansi(letter.utf8);
        const std::string dos = Converted(ZTConverteAnsiParaOem, OneByte(ansi));
        const std::string back = Converted(ZTConverteOemParaAnsi, dos);
        if (ansi == aTilde || ansi == oTilde) {
            // The tildes go out as 0xC6 / 0xE4 ahead of the list, and those bytes stay on the way back.
            const char expected = ansi == aTilde ? '\xC6' : '\xE4';
            EXPECT_EQ(dos, std::string(1, expected)) << letter.utf8;
            EXPECT_EQ(back, std::string(1, expected)) << letter.utf8;
            continue;
        }
        EXPECT_EQ(dos, OneByte(letter.dos)) << letter.utf8;
        EXPECT_EQ(back, OneByte(ansi)) << letter.utf8;
    }
}

TEST(ZTConverteOemParaAnsi, MapsTheListedDosCodesEvenThoseNotWritten) {
    // 0x84 and 0x94 come from DOS files although this side never writes them.
    EXPECT_EQ(Converted(ZTConverteOemParaAnsi, "\x84\x94"), platform::AnsiFromUtf8("ãõ"));
}

TEST(ZTCodePage, OtherBytesPassUnchanged) {
    std::set<unsigned> ansiLetters;
    std::set<unsigned> dosCodes;
    for (const Letter& letter : kLetters) {
        ansiLetters.insert(Ansi(letter.utf8));
        dosCodes.insert(letter.dos);
    }
    for (unsigned b = 1; b < 256; ++b) {
        if (!ansiLetters.count(b)) {
            EXPECT_EQ(Converted(ZTConverteAnsiParaOem, OneByte(b)), OneByte(b)) << "ANSI " << b;
        }
        if (!dosCodes.count(b)) {
            EXPECT_EQ(Converted(ZTConverteOemParaAnsi, OneByte(b)), OneByte(b)) << "DOS " << b;
        }
    }
}

TEST(ZTCodePage, ConvertsWholeTextsAndLeavesNullAlone) {
    const std::string ansi = platform::AnsiFromUtf8("Ação Índio Ñandu");
    const std::string dos = Converted(ZTConverteAnsiParaOem, ansi);
    EXPECT_EQ(dos, "A\x87\xC6o \xCDndio \xA5" "andu");  // Í is not in the list
    EXPECT_EQ(ZTConverteAnsiParaOem(nullptr), nullptr);
    EXPECT_EQ(ZTConverteOemParaAnsi(nullptr), nullptr);
}

TEST(ZTRetiraAcentos, FoldsAccentedLettersOnly) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"ÀÁÂÃÄÅ", "AAAAAA"}, {"Ç", "C"}, {"ÈÉÊË", "EEEE"}, {"ÌÍÎÏ", "IIII"}, {"Ñ", "N"},
        {"ÒÓÔÕÖ", "OOOOO"}, {"ÙÚÛÜ", "UUUU"}, {"Ý", "Y"}, {"àáâãäå", "aaaaaa"}, {"ç", "c"},
        {"èéêë", "eeee"}, {"ìíîï", "iiii"}, {"ñ", "n"}, {"òóôõö", "ooooo"}, {"ùúûü", "uuuu"},
        {"ýÿ", "yy"}, {"São João, 1º", "Sao Joao, 1º"},
        // Letters without a plain form stay.
        {"ÆØßæøÐðÞþŠŽŸ×÷", "ÆØßæøÐðÞþŠŽŸ×÷"},
    };
    for (const Case& c : cases) {
        const std::string expected = platform::AnsiFromUtf8(c.expected);
        const std::string ansi = platform::AnsiFromUtf8(c.utf8);
        EXPECT_EQ(ZTRetiraAcentos(ansi.c_str()).str(), expected) << c.utf8;
        EXPECT_EQ(Converted(ZTRetiraAcentosBuffer, ansi), expected) << c.utf8;
    }
    EXPECT_EQ(ZTRetiraAcentos(nullptr), "");
    EXPECT_EQ(ZTRetiraAcentosBuffer(nullptr), nullptr);
}

TEST(ZTRetiraAcentos, LeavesEveryByteOutsideTheLatinLettersAlone) {
    // Guards against a folding table that touches ASCII or the 0x80-0xBF range.
    for (unsigned b = 1; b < 0xC0; ++b) {
        EXPECT_EQ(ZTRetiraAcentos(OneByte(b).c_str()).str(), OneByte(b)) << b;
    }
}

}  // namespace
