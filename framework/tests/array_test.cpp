// CZTArray: with its check on, a bad index throws {0, index, count}; good indexes reach the
// elements either way.
#include "framework/data/zt_array.h"

#include <gtest/gtest.h>

namespace {

CZTArray<int> TresElementos(bool verifica) {
    CZTArray<int> array(verifica);
    for (int valor : {10, 20, 30}) array.Add(valor);
    return array;
}

TEST(CZTArray, ABadIndexThrowsItAndTheCountWhenChecked) {
    for (int indice : {-1, 3, 100}) {
        CZTArray<int> array = TresElementos(true);
        try {
            static_cast<void>(array[indice]);
            ADD_FAILURE() << "no exception for " << indice;
        } catch (CZTArrayException* erro) {
            EXPECT_EQ(erro->m_lCodigo, 0);
            EXPECT_EQ(erro->m_lIndice, indice);
            EXPECT_EQ(erro->m_lQuantidade, 3);
            erro->Delete();
        }
    }
}

// Every checked access, reads and writes alike, goes through the check.
TEST(CZTArray, EveryAccessIsChecked) {
    CZTArray<int> array = TresElementos(true);
    const CZTArray<int>& leitura = array;
    const auto lanca = [](auto acesso) {
        try {
            acesso();
        } catch (CZTArrayException* erro) {
            erro->Delete();
            return true;
        }
        return false;
    };
    EXPECT_TRUE(lanca([&] { static_cast<void>(leitura.GetAt(3)); }));
    EXPECT_TRUE(lanca([&] { array.SetAt(3, 1); }));
    EXPECT_TRUE(lanca([&] { static_cast<void>(array.ElementAt(-1)); }));
    EXPECT_TRUE(lanca([&] { static_cast<void>(leitura[3]); }));
    EXPECT_TRUE(lanca([&] { array.RemoveAt(3); }));
    EXPECT_EQ(array.GetSize(), 3);
}

TEST(CZTArray, GoodIndexesReachTheElements) {
    for (bool verifica : {true, false}) {
        CZTArray<int> array = TresElementos(verifica);
        array[1] = 21;
        array.SetAt(2, 31);
        array.RemoveAt(0);
        ASSERT_EQ(array.GetSize(), 2);
        EXPECT_EQ(array.GetAt(0), 21);
        EXPECT_EQ(array[1], 31);
    }
}

}  // namespace
