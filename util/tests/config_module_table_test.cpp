#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace {

bool IsTwoUpperCaseLetters(const CZTString& prefixo) {
    return prefixo.GetLength() == 2 && prefixo.GetAt(0) >= 'A' && prefixo.GetAt(0) <= 'Z' &&
           prefixo.GetAt(1) >= 'A' && prefixo.GetAt(1) <= 'Z';
}

}  // namespace

// Every row is complete, prefixes are unique, exactly two rows are numbered 0 and the years span
// 1999 to 2013: the look-ups by prefix and number depend on these.
TEST(ModuleTable, RowsAreCompleteAndPrefixesUnique) {
    std::set<std::string> prefixos;
    std::set<int> numeros;
    int zeros = 0;
    int menorAno = INT_MAX;
    int maiorAno = INT_MIN;
    for (int i = 1; i <= ZT_QTD_MODULOS; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(IsTwoUpperCaseLetters(ZTGetPrefixoModulo(i))) << ZTGetPrefixoModulo(i).str();
        EXPECT_TRUE(ZTGetNomeModulo(i).str().starts_with("Kelvo ")) << ZTGetNomeModulo(i).str();
        EXPECT_TRUE(prefixos.insert(ZTGetPrefixoModulo(i).str()).second) << "repeated prefix";
        if (ZTGetNumeroModulo(i) == 0) ++zeros;
        else EXPECT_TRUE(numeros.insert(ZTGetNumeroModulo(i)).second) << "repeated number";
        menorAno = std::min(menorAno, ZTGetAnoModulo(i));
        maiorAno = std::max(maiorAno, ZTGetAnoModulo(i));
    }
    EXPECT_EQ(zeros, 2);
    EXPECT_EQ(menorAno, 1999);
    EXPECT_EQ(maiorAno, 2013);
}

// The rows the system relies on.
TEST(ModuleTable, RowsTheSystemReliesOn) {
    EXPECT_EQ(ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL), "DF");
    EXPECT_EQ(ZTGetNomeModulo(ZT_MODULO_EMPRESARIAL), "Kelvo Empresarial");
    EXPECT_EQ(ZTGetNumeroModulo(ZT_MODULO_EMPRESARIAL), 3);
    EXPECT_EQ(ZTGetAnoModulo(ZT_MODULO_EMPRESARIAL), 1999);
    EXPECT_EQ(ZTGetPrefixoModulo(ZT_MODULO_GED), "QD");
    EXPECT_EQ(ZTGetNomeModulo(ZT_MODULO_GED), "Kelvo GED");
    EXPECT_EQ(ZTGetNumeroModulo(ZT_MODULO_GED), 25);
    EXPECT_EQ(ZTGetAnoModulo(ZT_MODULO_GED), 2008);
    EXPECT_EQ(ZT_MODULO_EMPRESARIAL, 1);
    EXPECT_EQ(ZT_MODULO_GED, 21);
    EXPECT_EQ(ZT_MODULO_NFE, 23);
}

// Indexes outside 1..27 (0 and negatives included) give empty texts and zeros, never a row.
TEST(ModuleTable, IndexesOutsideTheTable) {
    for (int indice : {0, -1, 28, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(indice);
        EXPECT_EQ(ZTGetNomeModulo(indice), "");
        EXPECT_EQ(ZTGetPrefixoModulo(indice), "");
        EXPECT_EQ(ZTGetNumeroModulo(indice), 0);
        EXPECT_EQ(ZTGetAnoModulo(indice), 0);
    }
}

// Every row is found again by its prefix and name in any case (accented names included) and,
// when its number is not 0, by its number.
TEST(ModuleTable, EveryRowIsFoundByItsKeys) {
    for (int i = 1; i <= ZT_QTD_MODULOS; ++i) {
        SCOPED_TRACE(i);
        CZTString prefixo = ZTGetPrefixoModulo(i);
        CZTString nome = ZTGetNomeModulo(i);
        EXPECT_EQ(ZTBuscaModuloPorPrefixo(prefixo), i);
        EXPECT_EQ(ZTBuscaModuloPorPrefixo(prefixo.MakeLower()), i);
        EXPECT_EQ(ZTBuscaModuloPorNome(nome.MakeUpper()), i);
        EXPECT_EQ(ZTBuscaModuloPorNome(nome.MakeLower()), i);
        if (ZTGetNumeroModulo(i) != 0) {
            EXPECT_EQ(ZTBuscaModuloPorNumero(ZTGetNumeroModulo(i)), i);
        }
    }
}

// Look-ups that find nothing answer -1; number 0 finds the first of its two rows.
TEST(ModuleTable, LookupEdges) {
    EXPECT_EQ(ZTBuscaModuloPorPrefixo("qd"), 21);
    int primeiroZero = -1;
    for (int i = ZT_QTD_MODULOS; i >= 1; --i) {
        if (ZTGetNumeroModulo(i) == 0) primeiroZero = i;
    }
    ASSERT_GT(primeiroZero, 0);
    EXPECT_EQ(ZTBuscaModuloPorNumero(0), primeiroZero);
    EXPECT_EQ(ZTBuscaModuloPorNumero(-5), -1);
    EXPECT_EQ(ZTBuscaModuloPorNumero(9999), -1);
    for (const char* texto : {static_cast<const char*>(nullptr), "", "Q", "QDX", "ZZ", " QD"}) {
        EXPECT_EQ(ZTBuscaModuloPorPrefixo(texto), -1) << (texto ? texto : "(null)");
    }
    EXPECT_EQ(ZTBuscaModuloPorNome(nullptr), -1);
    EXPECT_EQ(ZTBuscaModuloPorNome("Kelvo"), -1);
    EXPECT_EQ(ZTBuscaModuloPorNome("kelvo ged"), 21);
}
