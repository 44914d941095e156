#include "util/fiscal/country.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct Caso { std::int32_t codigo; int valido; int mensagem; };

// Guards the rule: the base's digits weighted 2, 3, 4 … from the last one back, r = sum mod 11,
// digit 0 for r 0 or 1, else 11 - r.
TEST(ZTValidaPais, ChecksTheDigit) {
    const Caso casos[] = {
        {1058, 1, 0},  // 5×2 + 0×3 + 1×4 = 14, r 3 -> 8
        {1059, 0, 5481},
        {1068, 0, 5481},
        {19, 1, 0},    // 1×2 = 2, r 2 -> 9
        {10, 0, 5481},
        {2496, 1, 0},  // 9×2 + 4×3 + 2×4 = 38, r 5 -> 6
        {7676, 1, 0},  // 7×2 + 6×3 + 7×4 = 60, r 5 -> 6
        {3999, 1, 0},  // 9×2 + 9×3 + 3×4 = 57, r 2 -> 9
        {5860, 1, 0},  // 56, r 1 -> 0
        {5861, 0, 5481},
        {1600, 1, 0},  // 22, r 0 -> 0
        {8451, 1, 0},  // 54, r 10 -> 1
        {9997, 1, 0},  // 81, r 4 -> 7
        {9999, 0, 5481},
    };
    for (const Caso& caso : casos) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaPais(caso.codigo, &mensagem), caso.valido) << caso.codigo;
        EXPECT_EQ(mensagem, caso.mensagem) << caso.codigo;
    }
}

// Guards the codes whose last digit is taken as it is: each is valid though the rule gives
// another digit (which stays valid too), and an unlisted code of the same base is not.
TEST(ZTValidaPais, AcceptsTheListedCodes) {
    struct Excecao { std::int32_t codigo; int digitoDaRegra; };
    const Excecao excecoes[] = {
        {1504, 3}, {1508, 3}, {3595, 0}, {4525, 9}, {4885, 0}, {4985, 7}, {6781, 5}, {7370, 4},
    };
    for (const Excecao& caso : excecoes) {
        ASSERT_NE(caso.codigo % 10, caso.digitoDaRegra);
        int mensagem = -7;
        EXPECT_EQ(ZTValidaPais(caso.codigo, &mensagem), 1) << caso.codigo;
        EXPECT_EQ(mensagem, 0);
        const std::int32_t pelaRegra = caso.codigo / 10 * 10 + caso.digitoDaRegra;
        EXPECT_EQ(ZTValidaPais(pelaRegra, &mensagem), 1) << pelaRegra;
    }
    // 1505 shares the base of 1504 and 1508 but is not listed.
    int mensagem = -7;
    EXPECT_EQ(ZTValidaPais(1505, &mensagem), 0);
    EXPECT_EQ(mensagem, 5481);
}

// Guards the size check: no base (one digit), more than four digits, negative numbers.
TEST(ZTValidaPais, RefusesCodesWithoutBaseOrTooLong) {
    const std::int32_t codigos[] = {0, 1, 9, -1058, -10, 10000, 10589, std::numeric_limits<std::int32_t>::max(),
                                    std::numeric_limits<std::int32_t>::min()};
    for (std::int32_t codigo : codigos) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaPais(codigo, &mensagem), 0) << codigo;
        EXPECT_EQ(mensagem, 5480) << codigo;
    }
    EXPECT_EQ(ZTValidaPais(1058), 1);
    EXPECT_EQ(ZTValidaPais(9), 0);
}

}  // namespace
