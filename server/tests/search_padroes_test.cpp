// File-name patterns of the document search: wildcards, case, accented letters, lists separated
// by ';', blanks, and a list of no pattern.
#include "platform/text/codepage.h"
#include "server/search/qd_padroes_arquivo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Ansi(const char* utf8) { return platform::AnsiFromUtf8(utf8); }

// One pattern against one name: each case guards one rule of the matching.
TEST(QDCombinaPadraoArquivo, WildcardsCaseAndAccents) {
    struct Caso {
        const char* padrao;
        const char* nome;
        bool combina;
    };
    const Caso casos[] = {
        {"nota.pdf", "nota.pdf", true},
        {"nota.pdf", "nota.pdfx", false},        // the whole name must match, not its start
        {"nota.pdf", "anota.pdf", false},        // nor its end
        {"*.pdf", "nota.pdf", true},
        {"*.pdf", "nota.pdf.txt", false},
        {"*.pdf", ".pdf", true},                 // '*' takes an empty run
        {"n*a*.pdf", "nota_fiscal_a.pdf", true}, // a later '*' takes what an earlier mismatch left
        {"*a*a*a*", "banana", true},
        {"*a*a*a*a*", "banana", false},
        {"?ota.pdf", "nota.pdf", true},
        {"?ota.pdf", "ota.pdf", false},          // '?' is exactly one character
        {"nota??.pdf", "nota12.pdf", true},
        {"nota??.pdf", "nota1.pdf", false},
        {"NOTA*.PDF", "nota fiscal.pdf", true},  // letters without regard to case
        {"*.*", "semponto", true},               // "every file", a name without a dot included
        {"*.?", "semponto", false},
        {"", "nota.pdf", false},
        {"*", "", true},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(QDCombinaPadraoArquivo(caso.padrao, caso.nome), caso.combina) << caso.padrao << " / " << caso.nome;
    }
    // Accented Windows-1252 letters compare without regard to case; accents are not folded.
    EXPECT_TRUE(QDCombinaPadraoArquivo(Ansi("AÇÃO*"), Ansi("ação.pdf")));
    EXPECT_TRUE(QDCombinaPadraoArquivo(Ansi("*ção.pdf"), Ansi("AÇÃO.PDF")));
    EXPECT_FALSE(QDCombinaPadraoArquivo("acao*", Ansi("ação.pdf")));
}

// A list: any pattern may match; blanks around patterns and empty entries are dropped.
TEST(CQDPadroesArquivo, ListsSeparatedBySemicolons) {
    const CQDPadroesArquivo padroes(" *.pdf ;; contrato?.doc;");
    EXPECT_EQ(padroes.Padroes(), (std::vector<std::string>{"*.pdf", "contrato?.doc"}));
    EXPECT_TRUE(padroes.Combina("nota.pdf"));
    EXPECT_TRUE(padroes.Combina("contrato1.doc"));
    EXPECT_FALSE(padroes.Combina("contrato.doc"));
    EXPECT_FALSE(padroes.Combina("nota.txt"));
}

// A text with no pattern sets no criterion, and matches no name should it be asked.
TEST(CQDPadroesArquivo, NoPatternIsNoCriterion) {
    for (const char* texto : {"", " ", ";", " ; ;"}) {
        const CQDPadroesArquivo padroes(texto);
        EXPECT_TRUE(padroes.Vazio()) << '"' << texto << '"';
        EXPECT_FALSE(padroes.Combina("nota.pdf"));
    }
    EXPECT_FALSE(CQDPadroesArquivo("*").Vazio());
}

// Long names and patterns full of stars end in bounded work (no recursion, no blow-up) and
// still answer right.
TEST(QDCombinaPadraoArquivo, ManyStarsOnALongNameStayCorrect) {
    const std::string nome(173, 'a');
    std::string padrao;
    for (int i = 0; i < 80; ++i) padrao += "*a";
    EXPECT_TRUE(QDCombinaPadraoArquivo(padrao, nome));
    EXPECT_FALSE(QDCombinaPadraoArquivo(padrao + "b", nome));
}

}  // namespace
