// The registered-documents report through the real Vaultis process: the filter the request
// builds, every column of a document, one column per search field of the chosen type, and the
// validity dates, which are day counts from 1950, against the test clock's today.
#include "outside/pendora/qd_binary_to_string.h"
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_doc_filtro.h"
#include "server/reports/qd_relatorio_doc.h"
#include "server/tests/document_test_support.h"
#include "server/tests/reports_test_support.h"
#include "util/date/day_number.h"
#include "util/tests/time_test_clock.h"
#include "util/time/day_counts.h"
#include "util/time/zt_data1950.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <sstream>

using namespace kelvo::testing;

namespace {

std::uint16_t Dias1950(int dia, int mes, int ano) {
    return static_cast<std::uint16_t>(ZTCalculaDiasBase(dia, mes, ano, CZTData1950::ANO_BASE));
}

// The last blank-separated word of a report line: the default model's last column, the days
// until validity.
std::string UltimaColuna(const std::string& linha) {
    std::istringstream palavras(linha);
    std::string palavra, ultima;
    while (palavras >> palavra) ultima = palavra;
    return ultima;
}

// The first dd/mm/yyyy of a report line, "" when none: with no issue date, the validity date
// (the inclusion time shows a two-digit year).
std::string DataQuatroDigitos(const std::string& linha) {
    static const std::regex data(R"(\b\d{2}/\d{2}/\d{4}\b)");
    std::smatch achada;
    return std::regex_search(linha, achada, data) ? achada.str() : std::string();
}

std::string Valor(const std::function<void(QD_VALOR_CAMPO&)>& grava) {
    QD_VALOR_CAMPO valor{};
    grava(valor);
    return std::string(reinterpret_cast<const char*>(valor), sizeof valor);
}

class RelatorioDocVaultis : public RelatoriosVaultis {
protected:
    std::uint32_t GravaDoc(const DadosDoc& dados) {
        std::uint32_t posicao = 0;
        EXPECT_EQ(conexao_.GravaDoc(&posicao, Documento(dados), 0xF), platform::S_OK);
        return posicao;
    }
    // A document of no type named `nome`, valid until `validade` (a day count from 1950, 0: none).
    void GravaValido(const char* nome, std::uint16_t validade) {
        DadosDoc dados;
        dados.nome = nome;
        dados.conteudo = "%PDF";
        dados.iDataValidade = validade;
        GravaDoc(dados);
    }
    PdfLido Relatorio(std::uint32_t lTipDoc, std::uint32_t lLocArq = 0, std::uint16_t validadeIni = 0,
                      std::uint16_t validadeFim = 0) {
        PedidoRelatorio pedido(QD_TIPO_REL_DOC, "DOC", Arquivo());
        pedido.ps.lPonteiro1 = lTipDoc;
        pedido.ps.lPonteiro2 = lLocArq;
        pedido.ps.iShort1 = validadeIni;
        pedido.ps.iShort2 = validadeFim;
        return GeraLido(pedido);
    }
};

// With a type, only its documents are listed, each search field of the type becomes a column
// captioned with its name (or its standard description) holding the document's value as text;
// the location's description and the user names fill their columns.
TEST_F(RelatorioDocVaultis, TypeAddsOneColumnPerSearchFieldWithTheDocumentsValues) {
    const std::uint32_t tipo = GravaTipo({"05.01", "Pedidos", 0, {}, {},
                                          {{0, QD_CAMPO_LIVRE_TEXTO_0, "Cliente:"}, {0, QD_CAMPO_LIVRE_DMA_0, ""}}});
    const std::uint32_t outro = GravaTipo({"07", "Compras", 0, {}, {}, {}});
    const std::uint32_t local = GravaLocal("A.01", "Estante");
    const std::uint16_t emissao = ZTMontaData(10, 2, 2024);

    DadosDoc dados;
    dados.lTipDoc = tipo;
    dados.lLocArq = local;
    dados.iNrLocalizacao = 4321;
    dados.iDataEmissao = emissao;
    dados.usuarios = {kelvo::setup::kDemoUser};
    dados.campos = {{QD_CAMPO_LIVRE_TEXTO_0, Valor([](QD_VALOR_CAMPO& v) { (void)QDSetCampoTexto(v, "Padaria Central"); })},
                    {QD_CAMPO_LIVRE_DMA_0, Valor([&](QD_VALOR_CAMPO& v) { QDSetCampoWord(v, ZTMontaData(3, 4, 2025)); })}};
    dados.descricao = "Pedido mensal";
    dados.nome = "pedido.pdf";
    dados.conteudo = "%PDF";
    GravaDoc(dados);
    DadosDoc alheio;
    alheio.lTipDoc = outro;
    alheio.nome = "compra.pdf";
    alheio.conteudo = "%PDF";
    GravaDoc(alheio);

    const PdfLido pdf = Relatorio(tipo);
    EXPECT_EQ(pdf.paginas, 1);
    EXPECT_EQ(pdf.texto.find("compra.pdf"), std::string::npos) << pdf.texto;
    const std::string linha = LinhaCom(pdf.texto, "pedido.pdf");
    EXPECT_NE(linha.find("Estante"), std::string::npos) << pdf.texto;
    EXPECT_NE(linha.find("4321"), std::string::npos) << pdf.texto;
    EXPECT_NE(linha.find("10/02/2024"), std::string::npos) << pdf.texto;
    EXPECT_NE(linha.find("Padaria Central"), std::string::npos) << pdf.texto;
    EXPECT_NE(linha.find("03/04/2025"), std::string::npos) << pdf.texto;
    EXPECT_NE(linha.find("Pedido mensal"), std::string::npos) << pdf.texto;
    // Captions of the field columns: the name without its ':', else the standard description.
    EXPECT_NE(pdf.texto.find("Cliente"), std::string::npos);
    EXPECT_EQ(pdf.texto.find("Cliente:"), std::string::npos) << pdf.texto;
    EXPECT_NE(pdf.texto.find(Utf8(QDGetDescricaoCampo(QD_CAMPO_LIVRE_DMA_0))), std::string::npos) << pdf.texto;

    // Without a type every document is listed and no field column is added.
    const PdfLido todos = Relatorio(0);
    EXPECT_NE(todos.texto.find("compra.pdf"), std::string::npos) << todos.texto;
    EXPECT_NE(todos.texto.find("pedido.pdf"), std::string::npos) << todos.texto;
    EXPECT_EQ(todos.texto.find("Padaria Central"), std::string::npos) << todos.texto;
}

// A document kept in no location is listed with an empty location rather than ending the report;
// a location in the request keeps only its documents.
TEST_F(RelatorioDocVaultis, DocumentWithoutLocationIsListedAndLocationFilters) {
    const std::uint32_t tipo = GravaTipo({"05", "Vendas", 0, {}, {}, {}});
    const std::uint32_t local = GravaLocal("B.02", "Gaveta");
    DadosDoc solto;
    solto.lTipDoc = tipo;
    solto.nome = "solto.pdf";
    solto.conteudo = "%PDF";
    GravaDoc(solto);
    DadosDoc guardado = solto;
    guardado.nome = "guardado.pdf";
    guardado.lLocArq = local;
    GravaDoc(guardado);

    const PdfLido todos = Relatorio(0);
    EXPECT_NE(todos.texto.find("solto.pdf"), std::string::npos) << todos.texto;
    EXPECT_NE(LinhaCom(todos.texto, "guardado.pdf").find("Gaveta"), std::string::npos) << todos.texto;

    const PdfLido doLocal = Relatorio(0, local);
    EXPECT_EQ(doLocal.texto.find("solto.pdf"), std::string::npos) << doLocal.texto;
    EXPECT_NE(doLocal.texto.find("guardado.pdf"), std::string::npos) << doLocal.texto;
}

// Column 106 shows the validity date stored as a day count from 1950 and column 117 the days from
// the test clock's today to it (0 without validity). Read as short day numbers, 31/12/2026 printed
// as 30/12/1924 with -37234 days; and the days followed the computer's clock, not the test clock,
// also past the short dates' end in 2027.
TEST_F(RelatorioDocVaultis, ValidityColumnsCountDaysFrom1950ToTheTestClocksToday) {
    GravaValido("antes.pdf", Dias1950(10, 6, 2026));
    GravaValido("hoje.pdf", Dias1950(15, 6, 2026));
    GravaValido("depois.pdf", Dias1950(31, 12, 2026));
    GravaValido("sem.pdf", 0);
    struct Linha {
        const char* arquivo;
        const char* validade;  // "" for none
        const char* dias;
    };
    struct Dia {
        ZTSystemTime hoje;
        std::vector<Linha> linhas;
    };
    const Dia dias[] = {
        {zt_time_test::Momento(2026, 6, 15, 10),
         {{"antes.pdf", "10/06/2026", "-5"},
          {"hoje.pdf", "15/06/2026", "0"},
          {"depois.pdf", "31/12/2026", "199"},
          {"sem.pdf", "", "0"}}},
        {zt_time_test::Momento(2031, 6, 15, 10), {{"depois.pdf", "31/12/2026", "-1627"}}},
    };
    for (const Dia& dia : dias) {
        SCOPED_TRACE(zt_time_test::TextoMomento(dia.hoje));
        const zt_time_test::RelogioFixado relogio(dia.hoje);
        const PdfLido pdf = Relatorio(0);
        for (const Linha& esperada : dia.linhas) {
            const std::string linha = LinhaCom(pdf.texto, esperada.arquivo);
            ASSERT_FALSE(linha.empty()) << esperada.arquivo << " in " << pdf.texto;
            EXPECT_EQ(DataQuatroDigitos(linha), esperada.validade) << linha;
            EXPECT_EQ(UltimaColuna(linha), esperada.dias) << linha;
        }
    }
}

// The request's validity bounds are day counts from 1950 like the stored dates, and both bound
// days belong to the period.
TEST_F(RelatorioDocVaultis, ValidityBoundsAreDayCountsFrom1950) {
    GravaValido("maio.pdf", Dias1950(31, 5, 2026));
    GravaValido("inicio.pdf", Dias1950(1, 6, 2026));
    GravaValido("fim.pdf", Dias1950(30, 6, 2026));
    GravaValido("julho.pdf", Dias1950(1, 7, 2026));
    GravaValido("sem.pdf", 0);

    const PdfLido pdf = Relatorio(0, 0, Dias1950(1, 6, 2026), Dias1950(30, 6, 2026));
    for (const char* fora : {"maio.pdf", "julho.pdf", "sem.pdf"}) {
        EXPECT_EQ(pdf.texto.find(fora), std::string::npos) << fora << " in " << pdf.texto;
    }
    for (const char* dentro : {"inicio.pdf", "fim.pdf"}) {
        EXPECT_NE(pdf.texto.find(dentro), std::string::npos) << dentro << " in " << pdf.texto;
    }
}

// The request's filter: the type as a one-element list, the location, the validity days, and the
// period on the chosen dates; inclusion and change periods take the whole last day.
TEST(QDRelDocFiltro, PeriodGoesToTheChosenDates) {
    QD_RELATORIO_PS rel{};
    rel.lPonteiro1 = 7;
    rel.lPonteiro2 = 3;
    rel.iShort1 = 100;
    rel.iShort2 = 200;
    rel.iShort3 = ZTMontaData(1, 3, 2024);
    rel.iShort4 = ZTMontaData(2, 3, 2024);
    for (std::int32_t escolha : {0, 1, 2}) {
        SCOPED_TRACE(escolha);
        rel.lLong1 = escolha;
        CQDDocFiltro filtro;
        ASSERT_EQ(QDRelDocFiltro(rel, filtro), platform::S_OK);
        const QD_DOC_FILTRO_PS& ps = filtro.GetPS();
        ASSERT_EQ(ps.nQtdTipDoc, 1u);
        EXPECT_EQ(ps.pTipDoc[0], 7u);
        EXPECT_EQ(ps.lLocArq, 3u);
        EXPECT_EQ(ps.iDataValidadeIni, 100);
        EXPECT_EQ(ps.iDataValidadeFim, 200);
        const std::uint32_t inicio = ZTDataParaTimeT(rel.iShort3);
        const std::uint32_t fimDoDia = ZTDataParaTimeT(rel.iShort4) + 24 * 3600 - 1;
        EXPECT_EQ(ps.iDataEmissaoIni, escolha == 0 ? rel.iShort3 : 0);
        EXPECT_EQ(ps.iDataEmissaoFim, escolha == 0 ? rel.iShort4 : 0);
        EXPECT_EQ(ps.dataInclusaoIni, escolha == 1 ? inicio : 0);
        EXPECT_EQ(ps.dataInclusaoFim, escolha == 1 ? fimDoDia : 0);
        EXPECT_EQ(ps.dataModificacaoIni, escolha == 2 ? inicio : 0);
        EXPECT_EQ(ps.dataModificacaoFim, escolha == 2 ? fimDoDia : 0);
    }
    // No type: no list.
    rel.lPonteiro1 = 0;
    CQDDocFiltro semTipo;
    ASSERT_EQ(QDRelDocFiltro(rel, semTipo), platform::S_OK);
    EXPECT_EQ(semTipo->nQtdTipDoc, 0u);
    EXPECT_EQ(semTipo->pTipDoc, nullptr);
}

}  // namespace
