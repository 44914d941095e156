#include "util/number/number_text_check.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// ---------------------------------------------------------------------------------------------
// Character classes

// Each class at its edges: guards a locale-dependent digit test, bytes above 127 read as negative
// numbers, and ',' mistaken for the '.' class.
TEST(ZTClasseCaractere, ClassesAtTheirEdges) {
    struct Caso {
        char c;
        int classe;
    };
    const Caso casos[] = {
        {'0', 0},  {'5', 0},    {'9', 0},    {'/', 3},    {':', 3}, {'.', 1},    {'+', 2},
        {'-', 2},  {',', 3},    {' ', 3},    {'\0', 3},   {'a', 3}, {'\xB2', 3}, {'\xE9', 3},
        {'\xFF', 3}, {'\x80', 3}, {'*', 3},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.c)));
        EXPECT_EQ(ZTClasseCaractere(c.c), c.classe);
    }
}

// Over every byte exactly ten are digits, one is '.', two are signs.
TEST(ZTClasseCaractere, EveryByteFallsInOneClass) {
    int quantos[4] = {0, 0, 0, 0};
    for (int b = 0; b < 256; ++b) {
        const int classe = ZTClasseCaractere(static_cast<char>(b));
        ASSERT_GE(classe, 0);
        ASSERT_LE(classe, 3);
        ++quantos[classe];
    }
    EXPECT_EQ(quantos[0], 10);
    EXPECT_EQ(quantos[1], 1);
    EXPECT_EQ(quantos[2], 2);
    EXPECT_EQ(quantos[3], 243);
}

// ---------------------------------------------------------------------------------------------
// Number texts

namespace {

struct CasoTexto {
    const char* texto;
    bool valido;
    const char* porque;  // the fault the case guards against
};

void Confere(std::initializer_list<CasoTexto> casos) {
    for (const auto& c : casos) {
        SCOPED_TRACE(c.porque);
        EXPECT_EQ(ZTValidaTextoNumero(c.texto), c.valido) << (c.texto ? c.texto : "(null)");
    }
}

}  // namespace

// Texts the check must accept.
TEST(ZTValidaTextoNumero, AcceptsNumberTexts) {
    Confere({
        {"1.234,56", true, "grouped integer with decimals"},
        {"1234,5", true, "plain integer with decimals"},
        {"-12", true, "a sign without separator"},
        {"+7", true, "a plus sign"},
        {"0", true, "a single digit"},
        {"123456789", true, "plain digits beyond three are no group"},
        {"12.345.678,9", true, "several groups"},
        {"-1.234,5", true, "sign and groups"},
        {"999.999", true, "the last '.' reads as the decimal separator"},
        {"1234.5", true, "'.' as the decimal separator"},
        {"1,23456789", true, "decimals of any length"},
        {"", true, "empty text"},
        {"   ", true, "only blanks"},
        {" \t ", true, "only white space"},
        {nullptr, true, "null reads as empty"},
    });
}

// Texts the check must refuse.
TEST(ZTValidaTextoNumero, RefusesOtherTexts) {
    Confere({
        {"1234.567,8", false, "a group behind plain digits beyond three"},
        {"12,,", false, "a separator as the last character"},
        {"12,", false, "nothing after the separator"},
        {"+", false, "a sign alone"},
        {"-", false, "a minus alone"},
        {"1,2a", false, "a letter among the decimals"},
        {" 12", false, "a leading blank around digits"},
        {"12 ", false, "a trailing blank around digits"},
        {"1 234,5", false, "a blank as group separator"},
        {"1.23,4", false, "a group of two digits"},
        {"1.2345,6", false, "a group of four digits"},
        {"1..234,5", false, "an empty group"},
        {"+-1", false, "two signs"},
        {"1-", false, "a sign after digits"},
        {"1,-5", false, "a sign among the decimals"},
        {",5", false, "a separator in front is no decimal separator"},
        {".5", false, "a '.' in front"},
        {"1,5.000", false, "a '.' after the ',' makes the ',' part of the integer"},
        {"12,345.678", false, "a ',' inside the integer part"},
        {"1.234.", false, "a trailing '.'"},
        {"abc", false, "letters"},
        {"1\xB2", false, "a byte above 127 that some locales call a digit"},
    });
}

// Only the last separator splits the text, whichever of ',' and '.' it is.
TEST(ZTValidaTextoNumero, TheLastSeparatorSplits) {
    // "1.234" splits at its only '.', so "234" are decimals: valid either way.
    EXPECT_TRUE(ZTValidaTextoNumero("1.234"));
    // With a ',' after it, "1.234" is the integer part and must be a well-formed group.
    EXPECT_TRUE(ZTValidaTextoNumero("1.234,0"));
    EXPECT_FALSE(ZTValidaTextoNumero("1.23,0"));
    // A long text is read to its end, not cut: the bad character is the last one.
    std::string longo(5000, '1');
    EXPECT_TRUE(ZTValidaTextoNumero(longo.c_str()));
    longo += 'x';
    EXPECT_FALSE(ZTValidaTextoNumero(longo.c_str()));
}
