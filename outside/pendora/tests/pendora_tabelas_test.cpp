// The text tables: process names, field descriptions and validity units, at their edges and
// as a whole.
#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_nome_processo.h"
#include "outside/pendora/qd_tipo_validade.h"
#include "platform/text/codepage.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace {

using platform::AnsiFromUtf8;

// Calls f(value) for every value of an enumeration of `qtd` members.
template <class E, class F>
void ParaCadaValor(int qtd, F f) {
    for (int i = 0; i < qtd; ++i) f(static_cast<E>(i));
}

// Every text is there, no two are alike (a row copied over another would be), and each is
// Windows-1252: no byte of a UTF-8 sequence for an accented letter is left in it.
template <class E, class Texto>
void VerificaTabela(int qtd, Texto texto) {
    std::set<std::string> vistos;
    ParaCadaValor<E>(qtd, [&](E valor) {
        const std::string t = texto(valor);
        EXPECT_FALSE(t.empty()) << static_cast<int>(valor);
        EXPECT_TRUE(vistos.insert(t).second) << "repeated: " << static_cast<int>(valor);
        EXPECT_EQ(t.find('\xC3'), std::string::npos) << static_cast<int>(valor);
    });
}

// Values outside an enumeration give an empty text, never a read past the table.
template <class E, class Texto>
void VerificaForaDaFaixa(int qtd, Texto texto) {
    for (const int fora : {qtd, qtd + 1, -1, INT_MIN, INT_MAX}) {
        EXPECT_STREQ(texto(static_cast<E>(fora)), "") << fora;
    }
}

TEST(QDGetNomeProcesso, EveryProcessHasItsOwnName) {
    VerificaTabela<QD_E_PROCESSO>(QD_PROCESSO_COUNT, QDGetNomeProcesso);
    VerificaForaDaFaixa<QD_E_PROCESSO>(QD_PROCESSO_COUNT, QDGetNomeProcesso);
}

// The names follow the enumeration: first, last and a name with an accent, in Windows-1252.
TEST(QDGetNomeProcesso, NamesFollowTheMembers) {
    EXPECT_EQ(std::string(QDGetNomeProcesso(QD_PROCESSO_CN_LAN)), AnsiFromUtf8("Contabilidade - Lançamento"));
    EXPECT_EQ(std::string(QDGetNomeProcesso(QD_PROCESSO_FN_CRE_LANC)), AnsiFromUtf8("Contas a Receber - Lançamento"));
    EXPECT_EQ(std::string(QDGetNomeProcesso(QD_PROCESSO_FN_CPA_BX)), "Contas a Pagar - Baixa");
    EXPECT_EQ(std::string(QDGetNomeProcesso(QD_PROCESSO_CQ_ART)), "Qualidade - ART");
}

// The texts live as long as the program: two calls hand out the same text.
TEST(QDGetNomeProcesso, TextsStayValid) {
    const char* primeiro = QDGetNomeProcesso(QD_PROCESSO_FT_NF);
    EXPECT_EQ(QDGetNomeProcesso(QD_PROCESSO_FT_NF), primeiro);
    EXPECT_STREQ(primeiro, "Faturamento - Nota Fiscal");
}

TEST(QDGetDescricaoCampo, EveryFieldHasItsOwnDescription) {
    VerificaTabela<QD_E_CAMPO_DOC>(QD_CAMPO_COUNT, QDGetDescricaoCampo);
    VerificaForaDaFaixa<QD_E_CAMPO_DOC>(QD_CAMPO_COUNT, QDGetDescricaoCampo);
}

struct CasoCampo {
    int valor;
    const char* descricao;  // UTF-8
};

// Free fields are named by block and 1-based place; the block edges fall where the members say
// (a missing or extra row inside a block would shift every later one).
TEST(QDGetDescricaoCampo, FreeFieldsByBlockAndPlace) {
    const CasoCampo casos[] = {
        {QD_CAMPO_LIVRE_DMA_0, "Data livre 1"},
        {QD_CAMPO_LIVRE_DMA_0 + 5, "Data livre 6"},
        {QD_CAMPO_LIVRE_MA_0, "Mês/ano livre 1"},
        {QD_CAMPO_LIVRE_TEXTO_0 + 5, "Texto livre 6"},
        {QD_CAMPO_LIVRE_V0_0, "Número livre 1"},
        {QD_CAMPO_LIVRE_V2_0 + 2, "Valor livre 3 (2 decimais)"},
        {QD_CAMPO_LIVRE_V4_0, "Valor livre 1 (4 decimais)"},
        {QD_CAMPO_LIVRE_V8_0 + 5, "Valor livre 6 (8 decimais)"},
        {QD_CAMPO_CLIFOR_CODIGO, "Código do cliente/fornecedor"},
        {QD_CAMPO_MT_VALOR_TOTAL, "Materiais - Valor total"},
    };
    for (const CasoCampo& caso : casos) {
        EXPECT_EQ(std::string(QDGetDescricaoCampo(static_cast<QD_E_CAMPO_DOC>(caso.valor))),
                  AnsiFromUtf8(caso.descricao))
            << caso.valor;
    }
}

// The three units, and nothing beyond them.
TEST(QDGetDescricaoTipoValidade, UnitsAndEdges) {
    EXPECT_STREQ(QDGetDescricaoTipoValidade(QD_TIPDOC_VALIDADE_DIA), "Dias");
    EXPECT_STREQ(QDGetDescricaoTipoValidade(QD_TIPDOC_VALIDADE_MES), "Meses");
    EXPECT_STREQ(QDGetDescricaoTipoValidade(QD_TIPDOC_VALIDADE_ANO), "Anos");
    VerificaForaDaFaixa<QD_E_TIPDOC_VALIDADE>(QD_TIPDOC_VALIDADE_ANO + 1, QDGetDescricaoTipoValidade);
}

}  // namespace
