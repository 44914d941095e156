#include "util/fiscal/bar_code.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// Guards one element per character, 0 for non-digits, and the digits-only flag.
TEST(ZTTextoParaDigitos, GivesOneValuePerCharacter) {
    CZTIntArray digitos{9, 9, 9, 9, 9, 9};
    EXPECT_TRUE(ZTTextoParaDigitos("40a3", digitos, false));
    EXPECT_EQ(digitos, (CZTIntArray{4, 0, 0, 3}));
    EXPECT_FALSE(ZTTextoParaDigitos("40a3", digitos, true));
    EXPECT_EQ(digitos, (CZTIntArray{4, 0, 0, 3}));
    EXPECT_TRUE(ZTTextoParaDigitos("0123456789", digitos, true));
    EXPECT_EQ(digitos, (CZTIntArray{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(ZTTextoParaDigitos("12 ", digitos, true));
    EXPECT_FALSE(ZTTextoParaDigitos("/:", digitos, true));  // the characters around '0'..'9'
    EXPECT_EQ(digitos, (CZTIntArray{0, 0}));
    EXPECT_TRUE(ZTTextoParaDigitos("", digitos, true));
    EXPECT_TRUE(digitos.empty());
    digitos = {1};
    EXPECT_TRUE(ZTTextoParaDigitos(nullptr, digitos, true));
    EXPECT_TRUE(digitos.empty());
}

// Guards the alternation (1st element weight b) and that the last element is left out.
TEST(ZTSomaPonderada, WeightsAllButTheLast) {
    struct Caso { CZTIntArray digitos; int a, b; std::int64_t soma; };
    const Caso casos[] = {
        {{1, 2, 3, 4, 5}, 3, 1, 1 + 6 + 3 + 12},
        {{1, 2, 3, 4, 5}, 1, 3, 3 + 2 + 9 + 4},
        {{7, 9}, 5, 2, 14},
        {{7}, 5, 2, 0},
        {{}, 5, 2, 0},
        {{9, 9, 9, 9}, 100, 1000, 9000 + 900 + 9000},
    };
    for (const Caso& caso : casos) EXPECT_EQ(ZTSomaPonderada(caso.digitos, caso.a, caso.b), caso.soma);
}

// Guards the completion rule, its zero case, and a modulus that would divide by zero.
TEST(ZTDigitoConfere, TellsWhetherTheDigitCompletesTheSum) {
    struct Caso { std::int64_t soma; int digito, modulo; bool confere; };
    const Caso casos[] = {
        {20, 0, 10, true},  {20, 10, 10, false}, {20, 1, 10, false}, {23, 7, 10, true},
        {23, 3, 10, false}, {0, 0, 10, true},    {9, 1, 10, true},   {15, 7, 11, true},
        {15, 4, 11, false}, {22, 0, 11, true},   {5, 0, 0, false},   {5, 5, -10, false},
        {-3, 3, 10, false}, {-3, 7, 10, false}, {-10, 0, 10, true},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(ZTDigitoConfere(caso.soma, caso.digito, caso.modulo), caso.confere)
            << caso.soma << " " << caso.digito << " " << caso.modulo;
    }
}

// Synthetic numbers completed by the rule, check digit = (10 - sum mod 10) mod 10 over all
// digits but the last:
//   weights 1, 3 …: 4006381333931 (sum 89 -> 1), 2000000000008 (2 -> 8), 1234567890128 (92 -> 8)
//   weights 3, 1 …: 12345670 (60 -> 0), 98765430 (90 -> 0), 135791357917 (103 -> 7)
const char* const kPeso13[] = {"4006381333931", "2000000000008", "1234567890128"};
const char* const kPeso31[] = {"12345670", "98765430", "135791357917"};

// Guards both weight orders on valid numbers, and that the two orders differ.
TEST(ZTValidaDigitoPeso, AcceptsValidNumbers) {
    for (const char* numero : kPeso13) EXPECT_TRUE(ZTValidaDigitoPeso13(numero)) << numero;
    for (const char* numero : kPeso31) EXPECT_TRUE(ZTValidaDigitoPeso31(numero)) << numero;
    EXPECT_FALSE(ZTValidaDigitoPeso31("4006381333931"));
    EXPECT_FALSE(ZTValidaDigitoPeso13("12345670"));
}

// Guards that a change of any one digit is caught (weights 1 and 3 are both prime to 10).
TEST(ZTValidaDigitoPeso, RefusesEveryOneDigitChange) {
    auto verifica = [](const char* numero, bool (*valida)(const char*)) {
        const std::string original(numero);
        for (size_t i = 0; i < original.size(); ++i) {
            for (char d = '0'; d <= '9'; ++d) {
                if (d == original[i]) continue;
                std::string alterado = original;
                alterado[i] = d;
                EXPECT_FALSE(valida(alterado.c_str())) << alterado;
            }
        }
    };
    for (const char* numero : kPeso13) verifica(numero, ZTValidaDigitoPeso13);
    for (const char* numero : kPeso31) verifica(numero, ZTValidaDigitoPeso31);
}

// Guards non-digits (refused even where the digits would check) and the empty text.
TEST(ZTValidaDigitoPeso, RefusesNonDigitsAndEmptyTexts) {
    const char* textos[] = {"", "400638133393 1", "400638133393a", " 4006381333931", "4006381333931 "};
    for (const char* texto : textos) {
        EXPECT_FALSE(ZTValidaDigitoPeso13(texto)) << '"' << texto << '"';
        EXPECT_FALSE(ZTValidaDigitoPeso31(texto)) << '"' << texto << '"';
    }
    EXPECT_FALSE(ZTValidaDigitoPeso13(nullptr));
    EXPECT_FALSE(ZTValidaDigitoPeso31(nullptr));
    // A single digit has nothing to check but itself: only 0 completes an empty sum.
    EXPECT_TRUE(ZTValidaDigitoPeso13("0"));
    EXPECT_FALSE(ZTValidaDigitoPeso13("5"));
}

}  // namespace
