#include "util/fiscal/municipality.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

// Six-digit bases and their check digits by the published rule: from the last digit back,
// weights 2, 1, 2, …; the decimal digits of each product added; digit (10 - sum mod 10) mod 10.
struct Base { std::int32_t base; int digito; const char* conta; };
const Base kBases[] = {
    {355030, 8, "0 + 3 + 0 + 5 + (10: 1) + 3 = 12"},
    {411234, 8, "8 + 3 + 4 + 1 + 2 + 4 = 22"},
    {529876, 5, "(12: 3) + 7 + (16: 7) + 9 + 4 + 5 = 35"},
    {170001, 2, "2 + 0 + 0 + 0 + (14: 5) + 1 = 8"},
    {123456, 6, "(12: 3) + 5 + 8 + 3 + 4 + 1 = 24"},
    {330000, 1, "0 + 0 + 0 + 0 + 6 + 3 = 9"},
    {431000, 9, "0 + 0 + 0 + 1 + 6 + 4 = 11"},
    {110010, 6, "0 + 1 + 0 + 0 + 2 + 1 = 4"},
    {531234, 3, "8 + 3 + 4 + 1 + 6 + 5 = 27"},
};

// The bases with a fixed digit, and the digit the rule would have given instead.
struct Fixo { std::int32_t base; int digito; int digitoDaRegra; };
const Fixo kFixos[] = {
    {220191, 9, 1}, {520393, 9, 0}, {220198, 8, 6}, {220225, 1, 7}, {315213, 1, 9},
    {430587, 1, 6}, {261153, 3, 1}, {311783, 6, 5}, {520396, 2, 3},
};

// Guards the rule, the digit sum of two-digit products and the 7-digit form (check digit
// dropped before computing).
TEST(ZTDigitoMunicipio, FollowsTheRule) {
    for (const Base& caso : kBases) {
        EXPECT_EQ(ZTDigitoMunicipio(caso.base), caso.digito) << caso.base << ": " << caso.conta;
        EXPECT_EQ(ZTDigitoMunicipio(caso.base * 10 + 7), caso.digito) << caso.base;
    }
}

// Guards the fixed digits, each of which the rule would get wrong.
TEST(ZTDigitoMunicipio, KeepsTheFixedDigits) {
    for (const Fixo& caso : kFixos) {
        ASSERT_NE(caso.digito, caso.digitoDaRegra);
        EXPECT_EQ(ZTDigitoMunicipio(caso.base), caso.digito) << caso.base;
        EXPECT_EQ(ZTDigitoMunicipio(caso.base * 10), caso.digito) << caso.base;
    }
    // A neighbour of a fixed base follows the rule again.
    EXPECT_EQ(ZTDigitoMunicipio(220192), 9);  // 220192 is no exception: 4 + 9 + 2 + 0 + 4 + 2 = 21
}

// Guards the refusal of numbers of other lengths (never a digit computed from a part of them).
TEST(ZTDigitoMunicipio, RefusesOtherLengths) {
    const std::int32_t codigos[] = {0,        1,        99999,   10000000,
                                    35503080, -355030, -3550308, std::numeric_limits<std::int32_t>::min()};
    for (std::int32_t codigo : codigos) EXPECT_EQ(ZTDigitoMunicipio(codigo), -1) << codigo;
    EXPECT_NE(ZTDigitoMunicipio(100000), -1);
    EXPECT_NE(ZTDigitoMunicipio(9999999), -1);
}

struct Validacao { std::int32_t codigo; const char* uf; int valido; int mensagem; };

// Guards each message code and the order of the checks.
TEST(ZTValidaMunicipio, ReportsEachFault) {
    const Validacao casos[] = {
        {3550308, "SP", 1, 0},
        {3550308, "35", 1, 0},
        {3550308, nullptr, 1, 0},
        {3550308, "", 1, 0},
        {4112348, "PR", 1, 0},
        {5298765, "GO", 1, 0},
        {3550308, "RJ", 0, 5476},
        {3550308, "33", 0, 5476},
        {3550308, "sp", 0, 5476},   // not a unit of the table
        {3550308, "99", 0, 5476},   // not a code of the table
        {3550308, "035", 0, 5476},
        {355030, "SP", 0, 5474},     // six digits
        {35503080, "SP", 0, 5474},   // eight digits
        {0, nullptr, 0, 5474},
        {-3550308, "SP", 0, 5474},   // negative: not seven digits
        {-9999999, nullptr, 0, 5474},
        {3500001, "SP", 0, 5475},    // municipality part zero comes before the state
        {3500001, "RJ", 0, 5475},
        {3550309, nullptr, 0, 5477},
        {3550309, "RJ", 0, 5476},    // the state comes before the check digit
        {4112347, "PR", 0, 5477},
    };
    for (const Validacao& caso : casos) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaMunicipio(caso.codigo, caso.uf, &mensagem), caso.valido) << caso.codigo;
        EXPECT_EQ(mensagem, caso.mensagem) << caso.codigo << " " << (caso.uf ? caso.uf : "null");
    }
}

// Guards that the fixed digits hold in validation too: the fixed digit passes, the rule's fails.
TEST(ZTValidaMunicipio, AcceptsTheFixedDigits) {
    for (const Fixo& caso : kFixos) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaMunicipio(caso.base * 10 + caso.digito, nullptr, &mensagem), 1) << caso.base;
        EXPECT_EQ(mensagem, 0);
        EXPECT_EQ(ZTValidaMunicipio(caso.base * 10 + caso.digitoDaRegra, nullptr, &mensagem), 0) << caso.base;
        EXPECT_EQ(mensagem, 5477);
    }
}

// Guards the optional output: without it the answer is the same and nothing is written.
TEST(ZTValidaMunicipio, WorksWithoutMessageOutput) {
    EXPECT_EQ(ZTValidaMunicipio(3550308, "SP"), 1);
    EXPECT_EQ(ZTValidaMunicipio(3550309, "SP", nullptr), 0);
    EXPECT_EQ(ZTValidaMunicipio(355030), 0);
}

}  // namespace
