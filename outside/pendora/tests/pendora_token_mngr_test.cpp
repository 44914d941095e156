// The word filter of the searches: its syntax, matching, hit counting and the whole-search state.
#include "outside/pendora/qd_token_mngr.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string_view>

namespace {

// Hits of one text on a fresh filter; -1 when the text does not pass.
int Acertos(const char* busca, const char* texto) {
    CQDTokenMngr filtro(busca);
    int acertos = 0;
    return filtro.FazFiltroTexto(texto, acertos) ? acertos : -1;
}

// Guards the splitting of the search text: blanks, quotes, empty parts and repeated words.
TEST(CQDTokenMngr, SplitsTheSearchTextIntoWords) {
    struct Caso { const char* busca; int palavras; };
    const Caso casos[] = {
        {nullptr, 0},
        {"", 0},
        {" \t\r\n ", 0},
        {"nota", 1},
        {"  nota   fiscal  ", 2},
        {"nota\tfiscal\r\nvenda", 3},
        {"\"nota fiscal\" venda", 2},
        {"\"\" \"  \"", 0},
        {"nota NOTA Nota", 1},      // one word, whatever its case
        {"\"nota fiscal", 1},       // an open quote runs to the end
        {"a\"b c\"d", 3},           // a quote ends the word before it
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(CQDTokenMngr(c.busca).GetQtdTokens(), c.palavras) << (c.busca ? c.busca : "(null)");
    }
}

// Guards matching: inside words, without regard to case (accented letters too), never folding
// accents, phrases kept whole; each non-overlapping occurrence of each word is a hit.
TEST(CQDTokenMngr, MatchesAndCountsHits) {
    struct Caso { const char* busca; const char* texto; int acertos; };
    const Caso casos[] = {
        {"fis", "Nota Fiscal", 1},
        {"NOTA", "nota, nota e nota", 3},
        {"nota fiscal", "Nota fiscal de venda; nota avulsa", 3},
        {"aa", "aaaaa", 2},                              // non-overlapping
        {"\xC7\xC3O", "a\xE7\xE3o judicial", 1},         // "ÇÃO" in "ação"
        {"\xE7\xE3o", "A\xC7\xC3O", 1},                  // and the other way round
        {"acao", "a\xE7\xE3o", -1},                      // accents are not folded
        {"\x8A", "\x9A", 1},                             // Š and š
        {"\xFF", "\x9F", 1},                             // ÿ and Ÿ
        {"\xDF", "\xFF", -1},                            // ß has no capital of its own
        {"\xD7", "\xF7", -1},                            // × is not a letter
        {"\"nota fiscal\"", "nota fiscal", 1},
        {"\"nota fiscal\"", "nota avulsa fiscal", -1},
        {"\" nota \"", "anotar", 1},                     // blanks at a phrase's ends are dropped
        {"venda", "compra", -1},
        {"nota", "", -1},
        {"nota", nullptr, -1},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(Acertos(c.busca, c.texto), c.acertos) << c.busca << " in " << (c.texto ? c.texto : "(null)");
    }
}

// Guards that hits are added to the caller's count, and left alone by a text that fails.
TEST(CQDTokenMngr, AddsHitsToTheCallersCount) {
    CQDTokenMngr filtro("nota");
    int acertos = 5;
    EXPECT_TRUE(filtro.FazFiltroTexto("nota nota", acertos));
    EXPECT_EQ(acertos, 7);
    EXPECT_FALSE(filtro.FazFiltroTexto("recibo", acertos));
    EXPECT_EQ(acertos, 7);
    // The count stops at the int maximum instead of wrapping to a negative score.
    acertos = INT_MAX - 1;
    EXPECT_TRUE(filtro.FazFiltroTexto("nota nota nota", acertos));
    EXPECT_EQ(acertos, INT_MAX);
}

// Guards the filter of no words: every text passes with no hit, and the search is satisfied.
TEST(CQDTokenMngr, NoWordsPassesEverything) {
    CQDTokenMngr filtro("   ");
    int acertos = 0;
    EXPECT_TRUE(filtro.FazFiltroTexto("qualquer coisa", acertos));
    EXPECT_TRUE(filtro.FazFiltroTexto("", acertos));
    EXPECT_TRUE(filtro.FazFiltroTexto(static_cast<const char*>(nullptr), acertos));
    EXPECT_EQ(acertos, 0);
    EXPECT_TRUE(filtro.Consist());
}

// Guards the whole-search state: every word must be seen in some text since the last reset.
TEST(CQDTokenMngr, ConsistNeedsEveryWordSinceTheReset) {
    CQDTokenMngr filtro("nota venda 2024");
    int acertos = 0;
    EXPECT_FALSE(filtro.Consist());
    EXPECT_TRUE(filtro.FazFiltroTexto("Nota de compra", acertos));
    EXPECT_FALSE(filtro.Consist());
    EXPECT_TRUE(filtro.FazFiltroTexto("Venda 2024", acertos));
    EXPECT_TRUE(filtro.Consist());
    EXPECT_EQ(acertos, 3);
    // A word seen twice does not stand in for a word never seen.
    filtro.ClearStatus();
    EXPECT_FALSE(filtro.Consist());
    EXPECT_TRUE(filtro.FazFiltroTexto("nota nota venda", acertos));
    EXPECT_FALSE(filtro.Consist());
    EXPECT_FALSE(filtro.FazFiltroTexto("recibo", acertos));
    EXPECT_FALSE(filtro.Consist());
    EXPECT_TRUE(filtro.FazFiltroTexto("de 2024", acertos));
    EXPECT_TRUE(filtro.Consist());
}

// Guards the bounded form: a text of known length is read to its end and never past it, and a
// text longer than every earlier one is read whole (the reused buffer grows).
TEST(CQDTokenMngr, ReadsATextOfKnownLengthOnly) {
    char campo[64];
    std::memset(campo, 'x', sizeof campo);
    std::memcpy(campo + 56, "nota", 4);  // 56..59: inside a 60-byte value
    std::memcpy(campo + 60, "nota", 4);  // 60..63: past it
    CQDTokenMngr filtro("NOTA");
    int acertos = 0;
    EXPECT_TRUE(filtro.FazFiltroTexto(std::string_view(campo, 60), acertos));
    EXPECT_EQ(acertos, 1);
    EXPECT_FALSE(filtro.FazFiltroTexto(std::string_view(campo, 59), acertos));  // cut inside the word
    EXPECT_TRUE(filtro.FazFiltroTexto(std::string_view(campo, 64), acertos));
    EXPECT_EQ(acertos, 3);
    EXPECT_FALSE(filtro.FazFiltroTexto(std::string_view(campo, 3), acertos));  // shorter again
    // The search text itself may come bounded too, e.g. from a field value.
    EXPECT_EQ(CQDTokenMngr(std::string_view("nota fiscal", 4)).GetQtdTokens(), 1);
}

// Guards the copy: a copied filter has its own state.
TEST(CQDTokenMngr, CopiesKeepTheirOwnState) {
    CQDTokenMngr original("nota");
    CQDTokenMngr copia = original;
    int acertos = 0;
    EXPECT_TRUE(copia.FazFiltroTexto("nota", acertos));
    EXPECT_TRUE(copia.Consist());
    EXPECT_FALSE(original.Consist());
}

}  // namespace
