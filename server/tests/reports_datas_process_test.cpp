// Dates past the old ends of the short days (4 June 2027) and of the signed moments (19 January
// 2038) through the real Vaultis process: one server, the test clock moved from 3 June 2027 to
// 10 June 2027 and on to 1 March 2040, and after each move documents saved, searched, listed in
// the documents report and in the log report.
#include "outside/pendora/qd_campo_valor.h"
#include "server/log/qd_le_log.h"
#include "server/tests/document_test_support.h"
#include "server/tests/reports_test_support.h"
#include "server/tests/search_test_support.h"
#include "util/tests/time_test_clock.h"
#include "util/time/current_time.h"
#include "util/time/short_date.h"
#include "util/time/short_date_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

// A document as saved at one phase of the clock: its issue date (also the value of its date
// field) and the clock's readings just before and after the save.
struct Gravado {
    const char* nome;
    std::uint16_t emissao;
    std::uint32_t posicao = 0;
    std::uint32_t antes = 0;
    std::uint32_t depois = 0;
};

// The date text of a stored short day, dd/mm/yyyy or dd/mm/yy.
std::string TextoDia(std::uint16_t dia, bool quatroDigitos) {
    char texto[ZT_TEXTO_DATA_CURTA];
    return ZTDataParaTexto(dia, texto, quatroDigitos);
}

class DatasVaultis : public RelatoriosVaultis {
protected:
    // Moves the test clock to 10:00 of the day.
    void Relogio(int dia, int mes, int ano) {
        relogio_.reset();
        relogio_.emplace(zt_time_test::Momento(ano, mes, dia, 10));
    }

    // Saves `doc` with a type, which the log report names.
    void Grava(Gravado& doc) {
        if (tipo_ == 0) tipo_ = GravaTipo({"05.01", "Pedidos", 0, {}, {}, {}});
        DadosDoc dados;
        dados.lTipDoc = tipo_;
        dados.nome = doc.nome;
        dados.conteudo = "%PDF";
        dados.iDataEmissao = doc.emissao;
        dados.campos = {{QD_CAMPO_LIVRE_DMA_0, ValorWord(doc.emissao)}};
        doc.antes = ZTGetAgora();
        ASSERT_EQ(conexao_.GravaDoc(&doc.posicao, Documento(dados), 0xF), platform::S_OK) << doc.nome;
        doc.depois = ZTGetAgora();
    }

    // The document keeps its issue date and field value; its inclusion moment is the clock's at
    // the save.
    void ConfereLido(const Gravado& doc) {
        SCOPED_TRACE(doc.nome);
        std::uint32_t posicao = doc.posicao;
        CQDDoc lido;
        ASSERT_EQ(conexao_.LeDoc(1, &posicao, &lido, 0), platform::S_OK);
        EXPECT_EQ(lido->iDataEmissao, doc.emissao);
        ASSERT_EQ(lido->nQtdCampos, 1u);
        EXPECT_EQ(QDLeCampoWord(lido->pCampos[0].BinaryData), doc.emissao);
        EXPECT_GE(lido->dataInclusao, doc.antes);
        EXPECT_LE(lido->dataInclusao, doc.depois);
        EXPECT_EQ(ZTTimeTParaData(lido->dataInclusao), doc.emissao) << "saved on its issue day";
    }

    std::vector<std::uint32_t> Busca(const FiltroTeste& filtro) {
        CQDArrayPonteiros achados;
        EXPECT_EQ(conexao_.BuscaPtrsDoc(filtro.Monta(), achados), platform::S_OK);
        return Posicoes(achados);
    }

    // The documents report of a period of days on the dates `lLong1` chooses (0 issue, 1 inclusion).
    PdfLido RelatorioDocs(std::int32_t lLong1, std::uint16_t inicio, std::uint16_t fim) {
        PedidoRelatorio pedido(QD_TIPO_REL_DOC, "DOC", Arquivo());
        pedido.ps.lLong1 = lLong1;
        pedido.ps.iShort3 = inicio;
        pedido.ps.iShort4 = fim;
        return GeraLido(pedido);
    }

    // The log report of a period of days (0, 0: every day), every option bit set.
    PdfLido RelatorioLog(std::uint16_t inicio, std::uint16_t fim) {
        PedidoRelatorio pedido(QD_TIPO_REL_LOG, "LOG", Arquivo());
        pedido.ps.flags.dwFlags = 0x3FF;
        pedido.ps.iShort1 = inicio;
        pedido.ps.iShort2 = fim;
        return GeraLido(pedido);
    }

    std::optional<zt_time_test::RelogioFixado> relogio_;
    std::uint32_t tipo_ = 0;
};

// The first line of the log report's entry of `doc`, the one with the date and time columns.
std::string LinhaDoLog(const PdfLido& pdf, const Gravado& doc) {
    return LinhaCom(pdf.texto, Utf8("C\xF3" "digo: " + std::to_string(doc.posicao) + "; Tipo de documento"));
}

// The log text's issue date of `doc`, behind its file name.
std::string EmissaoDoLog(const Gravado& doc) {
    return Utf8("Arquivo: " + std::string(doc.nome) + "; Emiss\xE3o: " + TextoDia(doc.emissao, true) + ";");
}

TEST_F(DatasVaultis, IssueDatesAndMomentsHoldAcrossJune2027And2038) {
    Gravado antes{"antes.pdf", ZTMontaData(3, 6, 2027)};
    Gravado depois{"depois.pdf", ZTMontaData(10, 6, 2027)};
    Gravado julho{"julho.pdf", ZTMontaData(1, 7, 2027)};
    Gravado em2040{"em2040.pdf", ZTMontaData(1, 3, 2040)};
    const std::uint16_t junho1 = ZTMontaData(1, 6, 2027);
    const std::uint16_t junho30 = ZTMontaData(30, 6, 2027);

    Relogio(3, 6, 2027);
    ASSERT_NO_FATAL_FAILURE(Grava(antes));
    ASSERT_NO_FATAL_FAILURE(ConfereLido(antes));

    Relogio(10, 6, 2027);
    ASSERT_NO_FATAL_FAILURE(Grava(depois));
    ASSERT_NO_FATAL_FAILURE(Grava(julho));
    for (const Gravado* doc : {&antes, &depois}) ConfereLido(*doc);

    // Compared raw, June 2027 (stored 65532..26) was an empty range and found nothing.
    FiltroTeste porEmissao;
    porEmissao.iDataEmissaoIni = junho1;
    porEmissao.iDataEmissaoFim = junho30;
    EXPECT_EQ(Busca(porEmissao), (std::vector{antes.posicao, depois.posicao}));
    FiltroTeste porCampo;
    porCampo.campos = {{QD_CAMPO_LIVRE_DMA_0, ValorWord(junho1)}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(junho30)}};
    EXPECT_EQ(Busca(porCampo), (std::vector{antes.posicao, depois.posicao}));

    // The documents report by issue date: both days listed and printed as themselves.
    const PdfLido porDia = RelatorioDocs(0, junho1, junho30);
    EXPECT_EQ(porDia.texto.find(julho.nome), std::string::npos) << porDia.texto;
    for (const Gravado* doc : {&antes, &depois}) {
        const std::string linha = LinhaCom(porDia.texto, doc->nome);
        EXPECT_NE(linha.find(TextoDia(doc->emissao, true)), std::string::npos) << doc->nome << " in " << porDia.texto;
        EXPECT_NE(linha.find(TextoDia(doc->emissao, false) + " "), std::string::npos) << "inclusion: " << linha;
    }
    // A period of inclusion from 1960 starts at the first moment: before 1970 as 0 it left the
    // period unset and listed every document.
    const PdfLido desde1960 = RelatorioDocs(1, ZTMontaData(1, 1, 1960), ZTMontaData(5, 6, 2027));
    EXPECT_NE(desde1960.texto.find(antes.nome), std::string::npos) << desde1960.texto;
    EXPECT_EQ(desde1960.texto.find(depois.nome), std::string::npos) << desde1960.texto;

    // The log report over June 2027 lists the entries of both days with their dates.
    const PdfLido logJunho = RelatorioLog(junho1, junho30);
    for (const Gravado* doc : {&antes, &depois}) {
        const std::string linha = LinhaDoLog(logJunho, *doc);
        EXPECT_FALSE(linha.empty()) << doc->nome << " in " << logJunho.texto;
        EXPECT_NE(linha.find(TextoDia(doc->emissao, false)), std::string::npos) << linha;
        EXPECT_NE(logJunho.texto.find(EmissaoDoLog(*doc)), std::string::npos) << logJunho.texto;
    }

    Relogio(1, 3, 2040);
    ASSERT_NO_FATAL_FAILURE(Grava(em2040));
    EXPECT_GT(em2040.antes, static_cast<std::uint32_t>(INT_MAX)) << "the clock is past 2038";
    for (const Gravado* doc : {&antes, &depois, &em2040}) ConfereLido(*doc);
    EXPECT_EQ(Busca(porEmissao), (std::vector{antes.posicao, depois.posicao}));

    // The 2040 inclusion prints as 2040, in the documents report and in the log report.
    const PdfLido todos = RelatorioDocs(0, 0, 0);
    const std::string linha2040 = LinhaCom(todos.texto, em2040.nome);
    EXPECT_NE(linha2040.find("01/03/2040"), std::string::npos) << todos.texto;
    EXPECT_NE(linha2040.find("01/03/40 "), std::string::npos) << linha2040;
    const PdfLido log2040 = RelatorioLog(em2040.emissao, em2040.emissao);
    EXPECT_EQ(LinhaDoLog(log2040, depois), "") << log2040.texto;
    EXPECT_NE(LinhaDoLog(log2040, em2040).find("01/03/40"), std::string::npos) << log2040.texto;

    // The log's time of writing reads back as written.
    std::vector<CQDLogEntrada> entradas;
    ASSERT_EQ(QDLeLog(PastaDemo().c_str(), entradas), platform::S_OK);
    ASSERT_FALSE(entradas.empty());
    const std::uint32_t escrita = entradas.back().GetLog().dataGravacaoLog;
    EXPECT_GE(escrita, em2040.antes);
    EXPECT_LE(escrita, em2040.depois);
}

}  // namespace
