#include "util/fiscal/modulo11.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

namespace {

std::string Modulo11(std::int32_t numero) {
    char destino[ZT_TAM_DIGITO_MODULO11];
    return ZTDigitoModulo11(numero, destino);
}

std::string Pesos4576(std::uint16_t numero) {
    char destino[ZT_TAM_DIGITO_PESOS4576];
    return ZTDigitoPesos4576(numero, destino);
}

// Guards the weights (the last digit 4, each one to the left one more) and the mapping of the
// remainder: '1' for 0, '0' for 1, else 11 - r.
TEST(ZTDigitoModulo11, AppendsTheCheckCharacter) {
    struct Caso { std::int32_t numero; const char* esperado; };
    const Caso casos[] = {
        {1, "17"},        // 1×4 = 4, r 4 -> 7
        {3, "30"},        // 3×4 = 12, r 1 -> '0'
        {17, "171"},      // 1×5 + 7×4 = 33, r 0 -> '1'
        {8, "81"},        // 32, r 10 -> 1
        {12, "129"},      // 1×5 + 2×4 = 13, r 2 -> 9
        {10, "106"},      // 5, r 5 -> 6
        {123, "1235"},    // 6 + 10 + 12 = 28, r 6 -> 5
        {1234, "12345"},  // 7 + 12 + 15 + 16 = 50, r 6 -> 5
        {99999, "999995"},  // 9 × (8+7+6+5+4) = 270, r 6 -> 5
        {2147483647, "21474836476"},  // 357, r 5 -> 6
    };
    for (const Caso& caso : casos) EXPECT_EQ(Modulo11(caso.numero), caso.esperado) << caso.numero;
}

// Guards the two fixed answers: 0 gives "00000" and a negative number an empty text, never a
// '-' weighted as a digit.
TEST(ZTDigitoModulo11, ZeroAndNegativeNumbers) {
    EXPECT_EQ(Modulo11(0), "00000");
    EXPECT_EQ(Modulo11(-1), "");
    EXPECT_EQ(Modulo11(-123), "");
    EXPECT_EQ(Modulo11(std::numeric_limits<std::int32_t>::min()), "");
}

// Guards the documented buffer size: the longest result fits a block of exactly that size (the
// sanitizer build catches a write past it), and the buffer is what comes back.
TEST(ZTDigitoModulo11, LongestResultFitsTheDocumentedSize) {
    auto destino = std::make_unique<char[]>(ZT_TAM_DIGITO_MODULO11);
    EXPECT_EQ(ZTDigitoModulo11(std::numeric_limits<std::int32_t>::max(), destino.get()), destino.get());
    EXPECT_EQ(std::string(destino.get()), "21474836476");
    EXPECT_EQ(ZTDigitoModulo11(5, nullptr), nullptr);
}

// Guards the padding to four digits before the weights 4, 5, 7, 6, the five-digit numbers
// (first four digits weighted) and the wrap of 10 and 11 to 0 and 1.
TEST(ZTDigitoPesos4576, AppendsTheCheckDigit) {
    struct Caso { std::uint16_t numero; const char* esperado; };
    const Caso casos[] = {
        {0, "01"},         // 0000: 0, a 11 -> 1
        {1, "15"},         // 0001: 6, a 5
        {2, "20"},         // 0002: 12, a 10 -> 0
        {9, "91"},         // 0009: 54, a 1
        {123, "1237"},     // 0123: 5 + 14 + 18 = 37, a 7
        {1234, "12347"},   // 4 + 10 + 21 + 24 = 59, a 7
        {9999, "99991"},   // 198, a 11 -> 1
        {10000, "100007"},  // 1000|0: 4, a 7
        {65535, "655358"},  // 6553|5: 24 + 25 + 35 + 18 = 102, a 8
    };
    for (const Caso& caso : casos) EXPECT_EQ(Pesos4576(caso.numero), caso.esperado) << caso.numero;
}

// Guards the documented buffer size for the longest result.
TEST(ZTDigitoPesos4576, LongestResultFitsTheDocumentedSize) {
    auto destino = std::make_unique<char[]>(ZT_TAM_DIGITO_PESOS4576);
    EXPECT_EQ(ZTDigitoPesos4576(65535, destino.get()), destino.get());
    EXPECT_EQ(std::string(destino.get()), "655358");
    EXPECT_EQ(ZTDigitoPesos4576(5, nullptr), nullptr);
}

}  // namespace
