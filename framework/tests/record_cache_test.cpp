// CZTRegistroClasse over a counting fake server: paging, skipping cached items, first-in
// first-out slots, the list's bounds and growth, added and refreshed records, and a failed read.
#include "framework/tests/record_cache_fakes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using framework::testing::CacheContado;
using framework::testing::ChaveDoItem;
using framework::testing::Chaves;
using framework::testing::RegistroFalso;
using framework::testing::RegistroNoServidor;

// A list of `quantidade` keys with the programs' cache of 100 slots and pages of 10.
void Prepara(CacheContado& cache, int quantidade) {
    cache.SetTamanhoCache(100, 10);
    const auto chaves = Chaves(0, quantidade);
    cache.SetChaves(quantidade, chaves.data());
}

TEST(CZTRegistroClasse, FirstItemReadsItsPageInOneCallAndTheNextItemNone) {
    CacheContado cache;
    Prepara(cache, 250);
    const RegistroFalso* primeiro = cache.GetRegistro(0);
    ASSERT_NE(primeiro, nullptr);
    EXPECT_EQ(*primeiro, RegistroNoServidor(ChaveDoItem(0)));
    ASSERT_EQ(cache.leituras.size(), 1U);
    EXPECT_EQ(cache.leituras[0], Chaves(0, 10));

    // An item of a page already read makes no call.
    ASSERT_NE(cache.GetRegistro(5), nullptr);
    EXPECT_EQ(cache.leituras.size(), 1U);
}

TEST(CZTRegistroClasse, ReadingTheWholeListKeepsTheLastHundredItems) {
    CacheContado cache;
    Prepara(cache, 250);
    for (int i = 0; i < 250; ++i) {
        const RegistroFalso* registro = cache.GetRegistro(i);
        ASSERT_NE(registro, nullptr);
        // A slot refilled first in, first out still holds the item it was read for.
        EXPECT_EQ(*registro, RegistroNoServidor(ChaveDoItem(i))) << i;
    }
    EXPECT_EQ(cache.leituras.size(), 25U);
    for (int i = 0; i < 250; ++i) EXPECT_EQ(cache.BuscaPosicaoCache(i) >= 0, i >= 150) << i;
}

// Cached items are skipped and do not count towards the page.
TEST(CZTRegistroClasse, APageSkipsCachedItems) {
    CacheContado cache;
    cache.SetTamanhoCache(100, 10);
    const auto primeiros = Chaves(0, 8);
    cache.SetChaves(8, primeiros.data());
    for (int i = 8; i < 10; ++i) {
        const RegistroFalso valor = RegistroNoServidor(ChaveDoItem(i));
        cache.AdicionaChave(ChaveDoItem(i), &valor);
    }
    for (int i = 10; i < 250; ++i) cache.AdicionaChave(ChaveDoItem(i), nullptr);

    ASSERT_NE(cache.GetRegistro(7), nullptr);
    std::vector<platform::DWORD> esperadas{ChaveDoItem(7)};
    for (platform::DWORD chave : Chaves(10, 9)) esperadas.push_back(chave);
    ASSERT_EQ(cache.leituras.size(), 1U);
    EXPECT_EQ(cache.leituras[0], esperadas);
}

TEST(CZTRegistroClasse, IndexesOutsideTheListAnswerNullWithoutACall) {
    CacheContado cache;
    Prepara(cache, 250);
    for (int indice : {250, 251, -1}) {
        EXPECT_EQ(cache.GetRegistro(indice), nullptr) << indice;
    }
    EXPECT_TRUE(cache.leituras.empty());
}

TEST(CZTRegistroClasse, AnEmptyListStillAllocatesAndHoldsNothing) {
    CacheContado cache;
    cache.SetChaves(0, nullptr);
    EXPECT_EQ(cache.GetCapacidadeChaves(), 20);
    EXPECT_EQ(cache.GetQtdChaves(), 0);
    EXPECT_EQ(cache.GetRegistro(0), nullptr);
    EXPECT_TRUE(cache.leituras.empty());
}

// The key array grows by 20 on SetChaves and by 21 when an append fills it, never by doubling.
TEST(CZTRegistroClasse, TheKeyArrayGrowsInStepsOfTwentyAndTwentyOne) {
    CacheContado cache;
    Prepara(cache, 5);
    EXPECT_EQ(cache.GetCapacidadeChaves(), 25);
    for (int i = 5; i < 25; ++i) cache.AdicionaChave(ChaveDoItem(i), nullptr);
    EXPECT_EQ(cache.GetCapacidadeChaves(), 25);
    cache.AdicionaChave(ChaveDoItem(25), nullptr);
    EXPECT_EQ(cache.GetCapacidadeChaves(), 46);
    EXPECT_EQ(cache.GetQtdChaves(), 26);
    // The keys already there survive the growth.
    for (int i = 0; i < 26; ++i) EXPECT_EQ(cache.BuscaIndiceChave(ChaveDoItem(i)), i);
}

// An append before any SetChaves once wrote into the cache that SetTamanhoCache had freed.
TEST(CZTRegistroClasse, AnAppendBeforeAnyListCachesItsValue) {
    CacheContado cache;
    cache.SetTamanhoCache(100, 10);
    const RegistroFalso valor = RegistroNoServidor(77);
    cache.AdicionaChave(77, &valor);
    EXPECT_EQ(cache.GetQtdChaves(), 1);
    const RegistroFalso* registro = cache.GetRegistro(0);
    ASSERT_NE(registro, nullptr);
    EXPECT_EQ(*registro, valor);
    EXPECT_TRUE(cache.leituras.empty());
}

// A page larger than the cache would evict the item it was read for.
TEST(CZTRegistroClasse, APageNeverExceedsTheCache) {
    CacheContado cache;
    cache.SetTamanhoCache(5, 10);
    const auto chaves = Chaves(0, 50);
    cache.SetChaves(50, chaves.data());
    const RegistroFalso* registro = cache.GetRegistro(0);
    ASSERT_NE(registro, nullptr);
    EXPECT_EQ(*registro, RegistroNoServidor(ChaveDoItem(0)));
    ASSERT_EQ(cache.leituras.size(), 1U);
    EXPECT_EQ(cache.leituras[0], Chaves(0, 5));
}

// What a failed read leaves stays cached as default values: no second call for them.
TEST(CZTRegistroClasse, AFailedReadLeavesDefaultValuesCached) {
    CacheContado cache;
    Prepara(cache, 250);
    cache.falha = true;
    const RegistroFalso* registro = cache.GetRegistro(3);
    ASSERT_NE(registro, nullptr);
    EXPECT_EQ(*registro, RegistroFalso{});
    for (int i = 3; i < 13; ++i) {
        ASSERT_NE(cache.GetRegistro(i), nullptr);
        EXPECT_EQ(*cache.GetRegistro(i), RegistroFalso{}) << i;
    }
    EXPECT_EQ(cache.leituras.size(), 1U);
}

TEST(CZTRegistroClasse, RefreshingOverwritesOnlyACachedItem) {
    CacheContado cache;
    Prepara(cache, 250);
    ASSERT_NE(cache.GetRegistro(0), nullptr);
    const RegistroFalso novo{ChaveDoItem(4), -1};
    EXPECT_TRUE(cache.AtualizaRegistro(ChaveDoItem(4), novo));
    EXPECT_EQ(*cache.GetRegistro(4), novo);
    // An uncached item stays uncached: it is read from the server when asked for.
    EXPECT_TRUE(cache.AtualizaRegistro(ChaveDoItem(40), novo));
    EXPECT_EQ(cache.BuscaPosicaoCache(40), -1);
    EXPECT_EQ(cache.leituras.size(), 1U);
}

TEST(CZTRegistroClasse, SetChavesEmptiesTheCacheAndLiberaTheList) {
    CacheContado cache;
    Prepara(cache, 250);
    ASSERT_NE(cache.GetRegistro(0), nullptr);
    const auto outras = Chaves(500, 30);
    cache.SetChaves(30, outras.data());
    EXPECT_EQ(cache.BuscaPosicaoCache(0), -1);
    EXPECT_EQ(*cache.GetRegistro(0), RegistroNoServidor(ChaveDoItem(500)));

    cache.Libera();
    EXPECT_EQ(cache.GetQtdChaves(), 0);
    EXPECT_EQ(cache.GetCapacidadeChaves(), 0);
    EXPECT_EQ(cache.GetRegistro(0), nullptr);
}

}  // namespace
