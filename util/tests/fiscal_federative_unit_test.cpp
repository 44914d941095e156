#include "util/fiscal/federative_unit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// The published IBGE table, as the test's own copy.
struct Unidade { const char* sigla; const char* codigo; };
const Unidade kIbge[] = {
    {"RO", "11"}, {"AC", "12"}, {"AM", "13"}, {"RR", "14"}, {"PA", "15"}, {"AP", "16"}, {"TO", "17"},
    {"MA", "21"}, {"PI", "22"}, {"CE", "23"}, {"RN", "24"}, {"PB", "25"}, {"PE", "26"}, {"AL", "27"},
    {"SE", "28"}, {"BA", "29"}, {"MG", "31"}, {"ES", "32"}, {"RJ", "33"}, {"SP", "35"}, {"PR", "41"},
    {"SC", "42"}, {"RS", "43"}, {"MS", "50"}, {"MT", "51"}, {"GO", "52"}, {"DF", "53"},
};

// Guards every pair of the table in both directions.
TEST(ZTConverteUF, ConvertsEveryUnitBothWays) {
    for (const Unidade& unidade : kIbge) {
        EXPECT_EQ(ZTConverteUF(unidade.sigla), unidade.codigo) << unidade.sigla;
        EXPECT_EQ(ZTConverteUF(unidade.codigo), unidade.sigla) << unidade.codigo;
    }
}

// Guards against a code missing from, or added to, the table: of all two-digit texts exactly
// the 27 state codes are known.
TEST(ZTConverteUF, KnowsExactlyTheTwentySevenCodes) {
    int conhecidos = 0;
    for (int i = 0; i < 100; ++i) {
        char codigo[3];
        std::snprintf(codigo, sizeof codigo, "%02d", i);
        if (!ZTConverteUF(codigo).IsEmpty()) ++conhecidos;
    }
    EXPECT_EQ(conhecidos, 27);
}

// Guards the exact, case-sensitive match: near misses are not found.
TEST(ZTConverteUF, MatchesTheWholeTextExactly) {
    const char* desconhecidos[] = {"sp", "Sp", "SP ", " SP", "S", "SPA", "035", "35 ", "3", "99", "00", "", "XX"};
    for (const char* texto : desconhecidos) EXPECT_EQ(ZTConverteUF(texto), "") << '"' << texto << '"';
    EXPECT_EQ(ZTConverteUF(nullptr), "");
}

}  // namespace
