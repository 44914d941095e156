#include "util/fiscal/tax_situation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const kEntrada[] = {"00", "01", "02", "03", "04", "05", "49"};
const char* const kSaida[] = {"50", "51", "52", "53", "54", "55", "99"};

// Guards each allowed code of each kind, and that it is refused for the other kind.
TEST(ZTValidaSituacaoTributaria, AllowsTheCodesOfEachKind) {
    for (const char* codigo : kEntrada) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, 'E', &mensagem), 1) << codigo;
        EXPECT_EQ(mensagem, 0);
        EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, 'S', &mensagem), 0) << codigo;
        EXPECT_EQ(mensagem, 5128);
    }
    for (const char* codigo : kSaida) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, 'S', &mensagem), 1) << codigo;
        EXPECT_EQ(mensagem, 0);
        EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, 'E', &mensagem), 0) << codigo;
        EXPECT_EQ(mensagem, 5129);
    }
}

// Guards the codes near the allowed ones, which must not slip through a prefix or number match.
TEST(ZTValidaSituacaoTributaria, RefusesOtherCodes) {
    const char* codigos[] = {"06", "48", "0", "000", "49 ", " 49", "4", "5", "56", "98", "990", "AB", "-0"};
    for (const char* codigo : codigos) {
        int mensagem = -7;
        EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, 'E', &mensagem), 0) << codigo;
        EXPECT_EQ(mensagem, 5129) << codigo;
        EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, 'S', &mensagem), 0) << codigo;
        EXPECT_EQ(mensagem, 5128) << codigo;
    }
}

// Guards the empty-code messages, a null code counting as empty.
TEST(ZTValidaSituacaoTributaria, ReportsAnEmptyCode) {
    int mensagem = -7;
    EXPECT_EQ(ZTValidaSituacaoTributaria("", 'E', &mensagem), 0);
    EXPECT_EQ(mensagem, 5130);
    EXPECT_EQ(ZTValidaSituacaoTributaria("", 'S', &mensagem), 0);
    EXPECT_EQ(mensagem, 5127);
    EXPECT_EQ(ZTValidaSituacaoTributaria(nullptr, 'E', &mensagem), 0);
    EXPECT_EQ(mensagem, 5130);
    EXPECT_EQ(ZTValidaSituacaoTributaria(nullptr, 'S', &mensagem), 0);
    EXPECT_EQ(mensagem, 5127);
}

// Guards other kinds, lower case included: 0, and the caller's message code left as it was.
TEST(ZTValidaSituacaoTributaria, LeavesTheMessageForAnotherKind) {
    const char tipos[] = {'e', 's', 'X', '\0', 'I'};
    for (char tipo : tipos) {
        for (const char* codigo : {"00", "50", ""}) {
            int mensagem = 4242;
            EXPECT_EQ(ZTValidaSituacaoTributaria(codigo, tipo, &mensagem), 0) << int(tipo) << " " << codigo;
            EXPECT_EQ(mensagem, 4242) << int(tipo) << " " << codigo;
        }
    }
}

// Guards the optional output.
TEST(ZTValidaSituacaoTributaria, WorksWithoutMessageOutput) {
    EXPECT_EQ(ZTValidaSituacaoTributaria("49", 'E'), 1);
    EXPECT_EQ(ZTValidaSituacaoTributaria("49", 'S', nullptr), 0);
    EXPECT_EQ(ZTValidaSituacaoTributaria("", 'S'), 0);
}

// Guards the fifteen codes without tax, and that their neighbours are not among them.
TEST(ZTSituacaoSemTributacao, KnowsTheFifteenCodes) {
    int encontrados = 0;
    for (int primeiro = 0; primeiro <= 9; ++primeiro) {
        for (int resto = 0; resto <= 99; ++resto) {
            const std::string codigo = std::to_string(primeiro) + (resto < 10 ? "0" : "") + std::to_string(resto);
            const bool esperado =
                primeiro <= 2 && (resto == 40 || resto == 41 || resto == 50 || resto == 51 || resto == 90);
            EXPECT_EQ(ZTSituacaoSemTributacao(codigo.c_str()), esperado) << codigo;
            if (esperado) ++encontrados;
        }
    }
    EXPECT_EQ(encontrados, 15);
}

// Guards the whole-text match and the empty code.
TEST(ZTSituacaoSemTributacao, RefusesEmptyAndNearMisses) {
    const char* codigos[] = {"", "40", "0400", " 040", "040 ", "O40", "04"};
    for (const char* codigo : codigos) EXPECT_FALSE(ZTSituacaoSemTributacao(codigo)) << '"' << codigo << '"';
    EXPECT_FALSE(ZTSituacaoSemTributacao(nullptr));
}

}  // namespace
