// The quick search through the client library: accent folding on both sides, the texts of the
// document, its type, its location and its link origins, every word required, the order by
// score, what the session may not see, web access, and more documents than one read batch holds.
#include "outside/pendora/conexao_ged_srv.h"
#include "server/search/qd_busca_rapida.h"
#include "server/tests/search_test_support.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace kelvo::testing;

namespace {

using Lista = std::vector<std::uint32_t>;

class BuscaRapida : public BuscaTeste {};

DadosDoc Descrito(const char* descricaoUtf8, std::function<void(DadosDoc&)> ajusta = {}) {
    DadosDoc dados;
    dados.descricao = Ansi(descricaoUtf8);
    dados.nome = "doc.pdf";
    if (ajusta) ajusta(dados);
    return dados;
}

// Accents fold on both sides: "acao" finds "Ação" and "ACAO", and "ação" finds them too.
TEST_F(BuscaRapida, AccentsFoldOnBothSides) {
    const std::uint32_t acentuado = Doc(Descrito("Ação de cobrança"));
    const std::uint32_t maiusculo = Doc(Descrito("ACAO judicial"));
    const std::uint32_t outro = Doc(Descrito("Recibo"));
    (void)outro;
    EXPECT_EQ(Rapida("acao"), (Lista{acentuado, maiusculo}));
    EXPECT_EQ(Rapida("ação"), (Lista{acentuado, maiusculo}));
    EXPECT_EQ(Rapida("COBRANÇA"), (Lista{acentuado}));
    EXPECT_EQ(Rapida("inexistente"), Lista{});
    EXPECT_EQ(Rapida("   "), Lista{});  // a text without words finds nothing
}

// The texts beyond the description: file name, text fields, location number, the type's code,
// name and search-field names, the location's code and description.
TEST_F(BuscaRapida, TypeLocationAndDocumentTexts) {
    const std::uint32_t tipo = Tipo("0305", {}, Ansi("Balancete Anual"), {{0, QD_CAMPO_NUM_NF, Ansi("Número da nota")}});
    const std::uint32_t local = Local("9.004", 0, Ansi("Arquivo Morto Sótão").c_str());
    const std::uint32_t doTipo = Doc(Descrito("x", [&](DadosDoc& d) { d.lTipDoc = tipo; }));
    const std::uint32_t doLocal = Doc(Descrito("x", [&](DadosDoc& d) { d.lLocArq = local; }));
    const std::uint32_t comCampo = Doc(Descrito("x", [](DadosDoc& d) {
        d.campos = {{QD_CAMPO_LIVRE_TEXTO_0, Ansi("Fornecedor Guaraná")}};
        d.iNrLocalizacao = 4711;
        d.nome = "planilha.xls";
    }));
    const std::pair<const char*, Lista> casos[] = {
        {"balancete", {doTipo}},
        {"0305", {doTipo}},
        {"numero da nota", {doTipo}},
        {"sotao", {doLocal}},
        {"9.004", {doLocal}},
        {"guarana", {comCampo}},
        {"4711", {comCampo}},
        {"planilha", {comCampo}},
    };
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(Rapida(texto), esperado) << texto;
}

// Link origins count as "<process name> - <formatted key>": a plain key in decimal, a month/key
// in its mmyy-000000 form.
TEST_F(BuscaRapida, LinkOriginsAreSearchedAsProcessAndKey) {
    const std::uint32_t nota = Doc(Descrito("primeiro"));
    const std::uint32_t lancamento = Doc(Descrito("segundo"));
    const std::uint32_t semVinculo = Doc(Descrito("terceiro"));
    (void)semVinculo;
    empresa_.NovoVinculo(nota, QD_PROCESSO_FT_NF, 4711);
    empresa_.NovoVinculo(lancamento, QD_PROCESSO_CN_LAN, ZTMontaChaveMesAno(ZTMontaMesAno(5, 2014), 123));
    EXPECT_EQ(Rapida("\"Faturamento - Nota Fiscal - 4711\""), (Lista{nota}));
    EXPECT_EQ(Rapida("\"Nota Fiscal - 4711\""), (Lista{nota}));
    EXPECT_EQ(Rapida("\"lancamento - 0514-000123\""), (Lista{lancamento}));
    EXPECT_EQ(Rapida("contabilidade"), (Lista{lancamento}));
}

// Every word must be found in some text of the document, in any of its texts.
TEST_F(BuscaRapida, EveryWordIsRequired) {
    const std::uint32_t tipo = Tipo("01", {}, "Recibos");
    const std::uint32_t ambas = Doc(Descrito("nota de aluguel", [&](DadosDoc& d) { d.lTipDoc = tipo; }));
    const std::uint32_t soNota = Doc(Descrito("nota de aluguel"));
    (void)soNota;
    EXPECT_EQ(Rapida("nota recibo"), (Lista{ambas}));
    EXPECT_EQ(Rapida("nota"), (Lista{ambas, soNota}));
}

// Highest score first; equal scores in ascending positions.
TEST_F(BuscaRapida, OrderByScoreThenPosition) {
    const std::uint32_t uma = Doc(Descrito("nota"));
    const std::uint32_t tres = Doc(Descrito("nota, nota e nota"));
    const std::uint32_t outraUma = Doc(Descrito("nota"));
    const std::uint32_t duas = Doc(Descrito("nota nota"));
    EXPECT_EQ(Rapida("nota"), (Lista{tres, duas, uma, outraUma}));
}

// Deleted documents, documents the user may not see and those of inactive branches are never
// found; with web access only the newest versions open to the web are.
TEST_F(BuscaRapida, OnlyWhatTheSessionMaySee) {
    const std::uint32_t visivel = Doc(Descrito("contrato"));
    const std::uint32_t restrito = Doc(Descrito("contrato", [](DadosDoc& d) { d.usuarios = {9}; }));
    const std::uint32_t apagado = Doc(Descrito("contrato"));
    const std::uint32_t outraFilial = Doc(Descrito("contrato", [](DadosDoc& d) { d.iFilial = 7; }));
    const std::uint32_t webAntigo = Doc(Descrito("contrato", [](DadosDoc& d) { d.dwFlags = QD_DOC_ACESSO_WEB; }));
    const std::uint32_t webNovo = Doc(Descrito("contrato", [&](DadosDoc& d) {
        d.dwFlags = QD_DOC_ACESSO_WEB;
        d.lPrevDoc = webAntigo;
    }));
    ASSERT_EQ(Conexao().ExcluiDoc(1, &apagado), platform::S_OK);
    (void)restrito;
    (void)outraFilial;
    EXPECT_EQ(Rapida("contrato"), (Lista{visivel, webAntigo, webNovo}));
    EXPECT_EQ(Rapida("contrato", 1), (Lista{webNovo}));
    ASSERT_EQ(Srv().SetModoServico(), platform::S_OK);
    EXPECT_EQ(Rapida("contrato"), (Lista{visivel, restrito, webAntigo, webNovo}));
}

// More documents than one read batch: each is read and scored once, none lost at a batch's edge.
TEST_F(BuscaRapida, ManyDocumentsAcrossReadBatches) {
    const std::uint32_t quantidade = 2 * CConexaoGedSrv::kQtdPorLeitura + 3;
    std::vector<std::uint32_t> todos;
    for (std::uint32_t i = 0; i < quantidade; ++i) {
        DadosDoc dados;
        dados.nome = i == CConexaoGedSrv::kQtdPorLeitura ? "lote lote.pdf" : "lote.pdf";
        std::uint32_t posicao = 0;
        ASSERT_EQ(Conexao().GravaDoc(&posicao, Documento(dados), 0), platform::S_OK);
        todos.push_back(posicao);
    }
    Lista esperado = {todos[CConexaoGedSrv::kQtdPorLeitura]};
    for (const std::uint32_t posicao : todos) {
        if (posicao != esperado.front()) esperado.push_back(posicao);
    }
    EXPECT_EQ(Rapida("lote"), esperado);
}

// A null result pointer is refused.
TEST_F(BuscaRapida, NullResultPointerIsRefused) {
    platform::BSTR texto = platform::SysAllocStringFromAnsi("nota");
    EXPECT_EQ(Srv().BuscaRapida(texto, 0, nullptr), platform::E_POINTER);
    platform::SysFreeString(texto);
}

// Without a session nothing is read and the caller's result is left as it was.
TEST(BuscaRapidaSemSessao, RefusesAndFails) {
    TestEnvironment ambiente;
    Servidor srv;
    platform::BSTR texto = platform::SysAllocStringFromAnsi("nota");
    QD_ARRAY_PONTEIROS_PS resultado{};
    resultado.qtd = 5;
    EXPECT_EQ(srv->BuscaRapida(texto, 0, &resultado), platform::HResultFromMessage(16179));
    EXPECT_EQ(resultado.qtd, 5u);
    EXPECT_EQ(resultado.pPtrs, nullptr);
    platform::SysFreeString(texto);
}

}  // namespace
