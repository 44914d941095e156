// The operations-log report through the real Vaultis process: each entry's texts, the type a
// document had when it was logged, the viewing channels, and the closing note when a text had to
// take the database's current state.
#include "outside/pendora/qd_batch_grava_log.h"
#include "outside/pendora/qd_tipo_log.h"
#include "server/document/qd_doc_arq.h"
#include "server/tests/document_test_support.h"
#include "server/tests/reports_test_support.h"
#include "server/types/qd_tipdoc_arq.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

using namespace kelvo::testing;

namespace {

class RelatorioLogVaultis : public RelatoriosVaultis {
protected:
    // Sends one entry as a client sends it: operation, position, data and one user item.
    void GravaEntrada(QD_E_OPERACAO_LOG op, std::uint32_t posicao, const std::string& dados) {
        const std::uint16_t usuario = kelvo::setup::kDemoUser;
        QD_LOG_PTRS_PS item{};
        item.eType = QD_TYPE_LOG_USUARIO;
        item.cbData = sizeof usuario;
        item.pData = reinterpret_cast<std::uint8_t*>(const_cast<std::uint16_t*>(&usuario));
        CQDBatchGravaLog lote;
        ASSERT_EQ(lote.Add(op, posicao, dados.data(), static_cast<std::uint32_t>(dados.size()), 1, &item), platform::S_OK);
        ASSERT_EQ(conexao_.GravaLog(lote), platform::S_OK);
        item.pData = nullptr;
    }

    // Every option bit set.
    PdfLido Relatorio(std::uint32_t flags = 0x3FF) {
        PedidoRelatorio pedido(QD_TIPO_REL_LOG, "LOG", Arquivo());
        pedido.ps.flags.dwFlags = flags;
        return GeraLido(pedido);
    }
};

// A document keeps the type it had when it was logged: the code and name from before a later
// change of the type, without the mark; a document logged before any record of its type takes the
// type as it is now, marked with '*', and the report closes with the note that says so.
TEST_F(RelatorioLogVaultis, DocumentShowsItsTypeAsItWasAndCurrentStateIsMarked) {
    QD_DOC_ARQ antigo{};
    antigo.lTipDoc = 1;
    antigo.dataInclusao = UINT32_MAX;  // the last moment: no change of the type comes after it
    std::strcpy(antigo.szOriginalFileName, "antigo.pdf");
    GravaEntrada(QD_OP_LOG_DOC_INCLUSAO, 77, std::string(reinterpret_cast<const char*>(&antigo), sizeof antigo));

    const std::uint32_t tipo = GravaTipo({"05.01", "Pedidos", 0, {}, {}, {}});
    DadosDoc dados;
    dados.lTipDoc = tipo;
    dados.usuarios = {kelvo::setup::kDemoUser};
    dados.nome = "nota.pdf";
    dados.conteudo = "%PDF";
    std::uint32_t doc = 0;
    ASSERT_EQ(conexao_.GravaDoc(&doc, Documento(dados), 0), platform::S_OK);
    GravaTipo({"05.01", "Renomeado", 0, {}, {}, {}}, tipo);

    const PdfLido pdf = Relatorio();
    EXPECT_GE(pdf.paginas, 1);
    const std::string nota = LinhaCom(pdf.texto, Utf8("C\xF3" "digo: 1; Tipo de documento: 05.01 - Pedidos;"));
    EXPECT_FALSE(nota.empty()) << pdf.texto;
    EXPECT_NE(pdf.texto.find(Utf8("C\xF3" "digo: 77; Tipo de documento: 05.01 - Renomeado*;")), std::string::npos) << pdf.texto;
    EXPECT_NE(pdf.texto.find(Utf8("* informa\xE7\xE3o retirada da base no estado atual")), std::string::npos) << pdf.texto;
    // Every record kind and service text of the entries written.
    EXPECT_NE(pdf.texto.find(QDGetTipoRegistroFromLog(QD_OP_LOG_TIPDOC_INCLUSAO)), std::string::npos);
    EXPECT_NE(pdf.texto.find(QDGetTipoRegistroFromLog(QD_OP_LOG_DOC_INCLUSAO)), std::string::npos);
    EXPECT_NE(pdf.texto.find(Utf8(QDGetTipoServicoFromLog(QD_OP_LOG_TIPDOC_ALTERACAO_DE))), std::string::npos);
    // The user's name.
    EXPECT_NE(nota.find("Supervisor"), std::string::npos) << nota;
}

// The type record a document entry shows is the one from before the first change of the type
// after the document's inclusion, even when the type changed again later.
TEST_F(RelatorioLogVaultis, DocumentTypeComesFromTheFirstLaterChange) {
    const auto tipoComo = [](const char* nome) {
        QD_TIPDOC_ARQ arq{};
        std::strcpy(arq.szCodigo, "05.09");
        std::strcpy(arq.szNome, nome);
        return std::string(reinterpret_cast<const char*>(&arq), sizeof arq);
    };
    QD_DOC_ARQ doc{};
    doc.lTipDoc = 5;
    doc.dataInclusao = 1000;  // long before the changes below
    std::strcpy(doc.szOriginalFileName, "incluido.pdf");
    GravaEntrada(QD_OP_LOG_DOC_INCLUSAO, 40, std::string(reinterpret_cast<const char*>(&doc), sizeof doc));
    GravaEntrada(QD_OP_LOG_TIPDOC_ALTERACAO_DE, 5, tipoComo("Antigo"));
    GravaEntrada(QD_OP_LOG_TIPDOC_ALTERACAO_PARA, 5, tipoComo("Meio"));
    GravaEntrada(QD_OP_LOG_TIPDOC_ALTERACAO_DE, 5, tipoComo("Meio"));
    GravaEntrada(QD_OP_LOG_TIPDOC_ALTERACAO_PARA, 5, tipoComo("Novo"));

    const PdfLido pdf = Relatorio();
    EXPECT_NE(pdf.texto.find(Utf8("C\xF3" "digo: 40; Tipo de documento: 05.09 - Antigo;")), std::string::npos) << pdf.texto;
    EXPECT_EQ(pdf.texto.find(Utf8("estado atual")), std::string::npos) << pdf.texto;
}

// Without a text taken from the database's current state there is no closing note.
TEST_F(RelatorioLogVaultis, NoNoteWhenEveryTextComesFromTheLog) {
    const std::uint32_t tipo = GravaTipo({"05.01", "Pedidos", 0, {}, {}, {}});
    DadosDoc dados;
    dados.lTipDoc = tipo;
    dados.nome = "nota.pdf";
    dados.conteudo = "%PDF";
    std::uint32_t doc = 0;
    ASSERT_EQ(conexao_.GravaDoc(&doc, Documento(dados), 0), platform::S_OK);
    const PdfLido pdf = Relatorio();
    EXPECT_NE(pdf.texto.find(Utf8("C\xF3" "digo: 1; Tipo de documento: 05.01 - Pedidos;")), std::string::npos) << pdf.texto;
    EXPECT_EQ(pdf.texto.find(Utf8("estado atual")), std::string::npos) << pdf.texto;
}

// A web viewing is listed only with the viewing and web bits and shows "WEB"; a local one needs
// the local bit and shows "Local".
TEST_F(RelatorioLogVaultis, ViewingsFollowTheirChannelBits) {
    GravaEntrada(QD_OP_LOG_DOC_VISUALIZAR_WEB, 5, std::string("visto-web.pdf") + '\0');
    GravaEntrada(QD_OP_LOG_DOC_VISUALIZAR_LOCAL, 6, std::string("visto-local.pdf") + '\0');

    const PdfLido todos = Relatorio();
    const std::string web = LinhaCom(todos.texto, "visto-web.pdf");
    EXPECT_NE(web.find("WEB"), std::string::npos) << todos.texto;
    EXPECT_NE(web.find(Utf8("C\xF3" "digo: 5; Nome Documento: visto-web.pdf;")), std::string::npos) << web;
    EXPECT_NE(LinhaCom(todos.texto, "visto-local.pdf").find("Local"), std::string::npos) << todos.texto;

    const PdfLido semWeb = Relatorio(0x3FF & ~(1u << 8));
    EXPECT_EQ(semWeb.texto.find("visto-web.pdf"), std::string::npos) << semWeb.texto;
    EXPECT_NE(semWeb.texto.find("visto-local.pdf"), std::string::npos) << semWeb.texto;

    const PdfLido semConsulta = Relatorio(0x3FF & ~(1u << 3));
    EXPECT_EQ(semConsulta.texto.find("visto-"), std::string::npos) << semConsulta.texto;
}

// A location shows its accepted types by their current code and name; the properties show their
// four texts without the tags they were logged with.
TEST_F(RelatorioLogVaultis, LocationTypesAndPropertyTextsAreFilledIn) {
    const std::uint32_t tipo = GravaTipo({"09", "Contratos", 0, {}, {}, {}});
    std::uint32_t local = 0;
    ASSERT_EQ(conexao_.GravaLocArq(&local, NovoLocal("A.01", 0, 0, {tipo}, "Estante")), platform::S_OK);
    CQDPropriedades prop;
    ASSERT_EQ(conexao_.LePropriedades(prop), platform::S_OK);
    platform::SysFreeString(prop->bsDominio);
    prop->bsDominio = platform::SysAllocStringFromAnsi("exemplo.com.br");
    ASSERT_EQ(conexao_.GravaPropriedades(prop), platform::S_OK);

    const PdfLido pdf = Relatorio();
    EXPECT_NE(pdf.texto.find("de documento: 09 Contratos;"), std::string::npos) << pdf.texto;
    const std::string propriedades = LinhaCom(pdf.texto, "exemplo.com.br");
    EXPECT_FALSE(propriedades.empty()) << pdf.texto;
    EXPECT_EQ(propriedades.find("<Dominio>"), std::string::npos) << propriedades;
}

}  // namespace
