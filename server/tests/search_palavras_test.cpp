// Counting a quick search's words in texts: the same hits as the word filter, CQDTokenMngr, for
// words that overlap themselves, sit at either end, span the sixteen-byte blocks or stand alone.
#include "outside/pendora/qd_token_mngr.h"
#include "server/search/qd_palavras_busca.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The word filter's hits of `palavra` alone in `texto`.
int HitsDoFiltro(const std::string& palavra, const std::string& texto) {
    CQDTokenMngr filtro("\"" + palavra + "\"");
    int acertos = 0;
    (void)filtro.FazFiltroTexto(texto, acertos);
    return acertos;
}

// Guards the non-overlapping count, leftmost first, at the text's edges and in the tail after the
// last whole block.
TEST(QDContaPalavra, HandPickedCases) {
    struct Caso { std::string palavra; std::string texto; std::int64_t acertos; };
    const Caso casos[] = {
        {"aa", "aaaa", 2},
        {"aa", "aaaaa", 2},
        {"aa", std::string(37, 'a'), 18},  // overlapping starts inside the blocks
        {"ana", "banana", 1},
        {"ana", "anana ana", 2},
        {"x", "x", 1},
        {"xy", "x", 0},
        {"nota", std::string(40, '.') + "nota" + std::string(11, '.') + "nota", 2},
        {"abc", std::string(13, 'z') + "abc", 1},   // ends right at a block's last start
        {"a b", "a ba b", 2},
        {"abcdefghij", "abcdefghXj" + std::string(30, '.'), 0},  // a long word differing inside
        {"abcdefghij", std::string(20, '.') + "abcdefghij" + std::string(20, '.'), 1},
        {"ab", std::string("ab\0ab", 5), 2},        // the texts joined by NULs count one by one
        {std::string("b\0a", 3), std::string("ab\0ab", 5), 1},  // only a word holding the NUL spans it
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(QDContaPalavra(c.texto, c.palavra), c.acertos) << c.palavra << " in " << c.texto;
    }
}

// Guards the block scan against the filter on many texts of few letters, where words overlap
// themselves and one another everywhere.
TEST(QDContaPalavra, SameHitsAsTheWordFilter) {
    std::mt19937 sorteio(91);
    const std::string letras = "aab n";
    const auto texto = [&](std::size_t tamanho) {
        std::string t;
        for (std::size_t i = 0; i < tamanho; ++i) t += letras[sorteio() % letras.size()];
        return t;
    };
    for (int i = 0; i < 3000; ++i) {
        const std::string palavra = texto(1 + sorteio() % (i % 2 ? 5 : 14));
        if (palavra.front() == ' ' || palavra.back() == ' ') continue;  // the filter trims a phrase's blanks
        // Half the texts are copies of the word with a few letters between, so long words occur too.
        std::string alvo;
        while (i % 2 == 0 && alvo.size() < 70) alvo += palavra.substr(0, palavra.size() - sorteio() % 2) + texto(sorteio() % 3);
        if (i % 2) alvo = texto(sorteio() % 90);
        ASSERT_EQ(QDContaPalavra(alvo, palavra), HitsDoFiltro(palavra, alvo)) << "[" << palavra << "] in [" << alvo << "]";
    }
}

// Guards that every word of a search gets its own count.
TEST(CQDPalavrasBusca, OneCountPerWordAdded) {
    const CQDPalavrasBusca palavras(CQDTokenMngr("Nota \"nota fiscal\" nota x"));
    ASSERT_EQ(palavras.Quantidade(), 3u);
    std::vector<std::int64_t> acertos = {10, 20, 30};
    palavras.Conta("nota fiscal, nota", acertos);
    EXPECT_EQ(acertos, (std::vector<std::int64_t>{12, 21, 30}));
}

}  // namespace
