// The types and locations reports through the real Vaultis process: a seeded demo company, the
// report written by the server with the model the embedded default installs, and the PDF read
// back (pdftotext) and rendered (pdftoppm).
#include "outside/pendora/qd_descricao_campo.h"
#include "outside/pendora/qd_loc_arq.h"
#include "outside/pendora/qd_nome_processo.h"
#include "server/tests/reports_test_support.h"

#include <gtest/gtest.h>

using namespace kelvo::testing;

namespace {

// The types report lists every type once with its columns and subordinate lines for the further
// processes and fields, and a root type limits it to the codes below that root.
TEST_F(RelatoriosVaultis, TypesReportListsTypesWithSubordinateLinesAndHonoursTheRoot) {
    const std::uint32_t grupo = GravaTipo({"05", "Vendas", QD_TIPDOC_GRUPO, {1}, {}, {}});
    GravaTipo({"05.01", "Pedidos", 0, {1, 4242}, {QD_PROCESSO_FT_PD, QD_PROCESSO_FT_NF},
               {{0, QD_CAMPO_FT_PD_NUM_PEDIDO, "NumPed"}, {0, QD_CAMPO_LIVRE_DMA_0, ""}, {0, QD_CAMPO_LIVRE_TEXTO_0, "Cliente"}}});
    GravaTipo({"07", "Compras", 0, {}, {}, {}});

    {
        PedidoRelatorio pedido(QD_TIPO_REL_TIPDOC, "TPD", Arquivo());
        PdfLido pdf;
        ASSERT_EQ(Gera(pedido, pdf), platform::S_OK);
        EXPECT_EQ(pdf.paginas, 1);
        const std::string pedidos = LinhaCom(pdf.texto, "Pedidos");
        // One line carries the first process and field; users that cannot be read give empty names.
        EXPECT_NE(pedidos.find("05.01"), std::string::npos) << pdf.texto;
        EXPECT_NE(pedidos.find(Utf8("Anal\xEDtica")), std::string::npos) << pedidos;
        EXPECT_NE(pedidos.find(Utf8(QDGetNomeProcesso(QD_PROCESSO_FT_PD))), std::string::npos) << pedidos;
        EXPECT_NE(pedidos.find("NumPed"), std::string::npos) << pedidos;
        EXPECT_NE(pedidos.find("6 meses"), std::string::npos) << pedidos;
        EXPECT_NE(pedidos.find("Supervisor;"), std::string::npos) << pedidos;
        // Subordinate lines: the second process with the second field (the standard description of
        // an unnamed one), then the third field alone.
        const std::string segunda = LinhaCom(pdf.texto, Utf8(QDGetNomeProcesso(QD_PROCESSO_FT_NF)));
        EXPECT_NE(segunda.find(Utf8(QDGetDescricaoCampo(QD_CAMPO_LIVRE_DMA_0))), std::string::npos) << pdf.texto;
        EXPECT_EQ(segunda.find("05.01"), std::string::npos) << segunda;
        EXPECT_FALSE(LinhaCom(pdf.texto, "Cliente").empty()) << pdf.texto;
        // The first process and field are on the type's own line only, not repeated below it.
        EXPECT_EQ(Ocorrencias(pdf.texto, Utf8(QDGetNomeProcesso(QD_PROCESSO_FT_PD))), 1) << pdf.texto;
        EXPECT_EQ(Ocorrencias(pdf.texto, "NumPed"), 1) << pdf.texto;
        EXPECT_NE(LinhaCom(pdf.texto, "Vendas").find("Grupo"), std::string::npos) << pdf.texto;
        EXPECT_FALSE(LinhaCom(pdf.texto, "Compras").empty()) << pdf.texto;
        // Sorted by code.
        EXPECT_LT(pdf.texto.find("Vendas"), pdf.texto.find("Pedidos"));
        EXPECT_LT(pdf.texto.find("Pedidos"), pdf.texto.find("Compras"));
    }
    {
        PedidoRelatorio pedido(QD_TIPO_REL_TIPDOC, "TPD", Arquivo());
        pedido.ps.lPonteiro1 = grupo;
        PdfLido pdf;
        ASSERT_EQ(Gera(pedido, pdf), platform::S_OK);
        EXPECT_NE(pdf.texto.find("Pedidos"), std::string::npos) << pdf.texto;
        EXPECT_NE(pdf.texto.find("Vendas"), std::string::npos) << pdf.texto;
        // A type outside the root's codes is left out.
        EXPECT_EQ(pdf.texto.find("Compras"), std::string::npos) << pdf.texto;
    }
}

// The locations report lists every location sorted by code without regard to case.
TEST_F(RelatoriosVaultis, LocationsReportIsSortedByCodeWithoutRegardToCase) {
    GravaLocal("b.02", "Arquivo de cima");
    GravaLocal("A.01", "Arquivo do meio");
    GravaLocal("C.03", "Arquivo de baixo");
    PedidoRelatorio pedido(QD_TIPO_REL_LOC_ARQ, "LOC", Arquivo());
    PdfLido pdf;
    ASSERT_EQ(Gera(pedido, pdf), platform::S_OK);
    EXPECT_EQ(pdf.paginas, 1);
    const std::size_t a = pdf.texto.find("A.01"), b = pdf.texto.find("b.02"), c = pdf.texto.find("C.03");
    ASSERT_NE(a, std::string::npos) << pdf.texto;
    ASSERT_NE(b, std::string::npos) << pdf.texto;
    ASSERT_NE(c, std::string::npos) << pdf.texto;
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
    EXPECT_NE(LinhaCom(pdf.texto, "b.02").find("Arquivo de cima"), std::string::npos);
}

// A missing model fails the report with the file layer's error and writes nothing; a kind
// outside the four reports is refused.
TEST_F(RelatoriosVaultis, MissingModelOrUnknownKindWritesNoFile) {
    {
        PedidoRelatorio pedido(QD_TIPO_REL_LOC_ARQ, "LOC", Arquivo(), "Inexistente");
        EXPECT_EQ(conexao_.GeraRelatorio(pedido.ps), platform::HResultFromWin32(2));
    }
    {
        PedidoRelatorio pedido(static_cast<QD_E_TIPO_RELATORIO>(4), "LOC", Arquivo());
        EXPECT_EQ(conexao_.GeraRelatorio(pedido.ps), platform::E_INVALIDARG);
    }
    EXPECT_FALSE(std::filesystem::exists(Arquivo()));
}

}  // namespace
