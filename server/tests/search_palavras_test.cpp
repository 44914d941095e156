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

// The block widths of the counter; 1 counts one place at a time. A width the processor does not
// run is counted one place at a time too.
constexpr std::size_t kBlocos[] = {1, 16, 32, 64};

// Guards the non-overlapping count, leftmost first, at the text's edges and in the tail after the
// last whole block, at every block width.
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
        {"ab", std::string(63, '.') + "ab" + std::string(64, '.') + "ab", 2},  // across wide blocks' edges
        {"abxb", std::string(30, '.') + "abab" + std::string(30, '.') + "abxb", 1},  // first two and last match
    };
    for (const std::size_t bloco : kBlocos) {
        for (const Caso& c : casos) {
            EXPECT_EQ(QDContaPalavraEmBlocos(c.texto, c.palavra, bloco), c.acertos)
                << c.palavra << " in " << c.texto << ", blocks of " << bloco;
        }
    }
}

// Guards the block scans of every width against the filter on many texts of few letters, where
// words overlap themselves and one another everywhere.
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
        while (i % 2 == 0 && alvo.size() < 200) alvo += palavra.substr(0, palavra.size() - sorteio() % 2) + texto(sorteio() % 3);
        if (i % 2) alvo = texto(sorteio() % 250);
        const int esperados = HitsDoFiltro(palavra, alvo);
        for (const std::size_t bloco : kBlocos) {
            ASSERT_EQ(QDContaPalavraEmBlocos(alvo, palavra, bloco), esperados)
                << "[" << palavra << "] in [" << alvo << "], blocks of " << bloco;
        }
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
