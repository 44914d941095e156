// The other modules' notices through the client library: a changed origin carries its values
// into its documents and nothing else (users and content stay), a deleted origin takes its links
// and, when the properties say so, the documents it leaves without origins; and
// AtualizaVinculoDoc links an origin's documents to its related origins.
#include "outside/pendora/qd_propriedades.h"
#include "server/tests/links_test_support.h"

#include <gtest/gtest.h>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

std::string Valor(const CQDDoc& doc, QD_E_CAMPO_DOC id) {
    for (std::uint32_t i = 0; i < doc->nQtdCampos; ++i) {
        if (doc->pCampos[i].id == id) return std::string(reinterpret_cast<const char*>(doc->pCampos[i].BinaryData));
    }
    return "<none>";
}

// Turns the property that deletes documents left without origins on or off.
void ExcluiRegistrados(CConexaoGedSrv& conexao, bool liga) {
    CQDPropriedades prop;
    ASSERT_EQ(conexao.LePropriedades(prop), platform::S_OK);
    prop.GetPS().bExcluiDocumentoRegistrado = liga ? 1 : 0;
    ASSERT_EQ(conexao.GravaPropriedades(prop), platform::S_OK);
}

// Document 1 holds the origin's old values, document 2 other values, document 3 is linked to
// another origin. Only what equals the old value changes, and only in the origin's documents; a
// document restricted to users stays restricted, and its content stays.
TEST(NotificaAlteracaoOrigem, CarriesTheChangeIntoTheOriginsDocuments) {
    EmpresaDocs empresa;
    ASSERT_EQ(empresa.Srv().SetModoServico(), platform::S_OK);
    DadosDoc igual;
    igual.iFilial = 1;
    igual.iDataEmissao = 41000;
    igual.iNrLocalizacao = 12;
    igual.descricao = "Nota antiga";
    igual.usuarios = {1, 7};
    igual.conteudo = "conteudo";
    igual.campos = {{QD_CAMPO_NUM_NF, "100"}, {QD_CAMPO_VALOR_NF, "5,00"}, {QD_CAMPO_CLIFOR_CODIGO, "C1"}};
    ASSERT_EQ(empresa.Insere(igual), 1u);
    DadosDoc outro = igual;
    outro.iFilial = 2;
    outro.iDataEmissao = 41001;
    outro.iNrLocalizacao = 13;
    outro.descricao = "Outra";
    outro.campos = {{QD_CAMPO_NUM_NF, "101"}, {QD_CAMPO_VALOR_NF, "5,00"}};
    ASSERT_EQ(empresa.Insere(outro), 2u);
    ASSERT_EQ(empresa.Insere(igual), 3u);
    empresa.NovoVinculo(1, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(2, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(1, QD_PROCESSO_FT_NF, 77);  // listed twice, changed once
    empresa.NovoVinculo(3, QD_PROCESSO_FT_NF, 78);

    DadosDoc antigo;
    antigo.iFilial = 1;
    antigo.iDataEmissao = 41000;
    antigo.iNrLocalizacao = 12;
    antigo.descricao = "Nota antiga";
    antigo.campos = {{QD_CAMPO_NUM_NF, "100"}, {QD_CAMPO_VALOR_NF, "5,00"}, {QD_CAMPO_CLIFOR_CODIGO, "C1"}};
    DadosDoc novo;
    novo.iFilial = 4;
    novo.iDataEmissao = 42000;
    novo.iNrLocalizacao = 99;
    novo.descricao = "Nota nova";
    novo.campos = {{QD_CAMPO_NUM_NF, "200"}, {QD_CAMPO_VALOR_NF, "7,00"}};  // no new client code
    ASSERT_EQ(empresa.Conexao().NotificaAlteracaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 77), Documento(novo),
                                                        Documento(antigo)),
              platform::S_OK);

    const CQDDoc um = empresa.Le(1);
    EXPECT_EQ(um->iFilial, 4);
    EXPECT_EQ(um->iDataEmissao, 42000);
    EXPECT_EQ(um->iNrLocalizacao, 99u);
    EXPECT_EQ(Descricao(um), "Nota nova");
    EXPECT_EQ(Valor(um, QD_CAMPO_NUM_NF), "200");
    EXPECT_EQ(Valor(um, QD_CAMPO_VALOR_NF), "7,00");
    EXPECT_EQ(Valor(um, QD_CAMPO_CLIFOR_CODIGO), "C1");
    EXPECT_EQ(Usuarios(um), (std::vector<std::uint16_t>{1, 7}));
    EXPECT_EQ(Conteudo(um), "conteudo");

    const CQDDoc dois = empresa.Le(2);
    EXPECT_EQ(dois->iFilial, 2);
    EXPECT_EQ(dois->iDataEmissao, 41001);
    EXPECT_EQ(dois->iNrLocalizacao, 13u);
    EXPECT_EQ(Descricao(dois), "Outra");
    EXPECT_EQ(Valor(dois, QD_CAMPO_NUM_NF), "101");
    EXPECT_EQ(Valor(dois, QD_CAMPO_VALOR_NF), "7,00");
    EXPECT_EQ(Usuarios(dois), (std::vector<std::uint16_t>{1, 7}));

    const CQDDoc tres = empresa.Le(3);
    EXPECT_EQ(tres->iFilial, 1);
    EXPECT_EQ(Descricao(tres), "Nota antiga");

    // One change entry pair per document written: 1 and 2, once each.
    std::vector<std::uint32_t> alterados;
    for (const LogEntry& entrada : empresa.Log()) {
        if (entrada.operacao == QD_OP_LOG_DOC_ALTERACAO_PARA) alterados.push_back(entrada.posicao);
    }
    EXPECT_EQ(alterados, (std::vector<std::uint32_t>{1, 2}));
}

// A restricted document keeps its user list, also for a session that cannot see it (it is not
// written then), and a null description equals an empty one.
TEST(NotificaAlteracaoOrigem, RestrictedDocumentStaysRestricted) {
    EmpresaDocs empresa;
    DadosDoc restrito;
    restrito.usuarios = {5};
    restrito.iFilial = 1;
    ASSERT_EQ(empresa.Insere(restrito), 1u);
    DadosDoc aberto;
    aberto.iFilial = 1;
    ASSERT_EQ(empresa.Insere(aberto), 2u);
    empresa.NovoVinculo(1, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(2, QD_PROCESSO_FT_NF, 77);
    DadosDoc antigo;
    antigo.iFilial = 1;
    DadosDoc novo;
    novo.iFilial = 3;
    novo.descricao = "Nova";
    ASSERT_EQ(empresa.Conexao().NotificaAlteracaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 77), Documento(novo),
                                                        Documento(antigo)),
              platform::S_OK);
    EXPECT_EQ(empresa.Le(1)->iFilial, 1);  // hidden from this session
    EXPECT_EQ(Usuarios(empresa.Le(1)), std::vector<std::uint16_t>{5});
    EXPECT_EQ(empresa.Le(2)->iFilial, 3);
    EXPECT_EQ(Descricao(empresa.Le(2)), "Nova");

    ASSERT_EQ(empresa.Srv().SetModoServico(), platform::S_OK);
    ASSERT_EQ(empresa.Conexao().NotificaAlteracaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 77), Documento(novo),
                                                        Documento(antigo)),
              platform::S_OK);
    EXPECT_EQ(empresa.Le(1)->iFilial, 3);
    EXPECT_EQ(Usuarios(empresa.Le(1)), std::vector<std::uint16_t>{5});
}

// With the property on, a document linked to two origins loses one link and stays; one linked
// only to the deleted origin is deleted; a document of another origin is untouched.
TEST(NotificaExclusaoOrigem, DeletesDocumentsLeftWithoutOrigins) {
    EmpresaDocs empresa;
    ExcluiRegistrados(empresa.Conexao(), true);
    DadosDoc dados;
    for (std::uint32_t i = 1; i <= 3; ++i) ASSERT_EQ(empresa.Insere(dados), i);
    empresa.NovoVinculo(1, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(1, QD_PROCESSO_CM_RE, 5);
    empresa.NovoVinculo(2, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(2, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(3, QD_PROCESSO_FT_NF, 78);
    ASSERT_EQ(empresa.Conexao().NotificaExclusaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 77)), platform::S_OK);
    EXPECT_EQ(empresa.MarcasVinculos(), (std::vector<std::uint32_t>{1, 0, 1, 1, 0}));
    EXPECT_EQ(empresa.Doc(1).dwFlags & QD_DOC_EXCLUIDO, 0u);
    EXPECT_EQ(empresa.Doc(2).dwFlags & QD_DOC_EXCLUIDO, QD_DOC_EXCLUIDO);
    EXPECT_EQ(empresa.Doc(3).dwFlags & QD_DOC_EXCLUIDO, 0u);

    // Nothing left to remove: nothing changes.
    ASSERT_EQ(empresa.Conexao().NotificaExclusaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 77)), platform::S_OK);
    EXPECT_EQ(empresa.Doc(1).dwFlags & QD_DOC_EXCLUIDO, 0u);
}

// With the property off only the links go; key 0, which would match every origin, is refused
// before anything is removed.
TEST(NotificaExclusaoOrigem, PropertyOffKeepsDocumentsAndKeyZeroIsRefused) {
    EmpresaDocs empresa;
    ExcluiRegistrados(empresa.Conexao(), false);
    DadosDoc dados;
    ASSERT_EQ(empresa.Insere(dados), 1u);
    empresa.NovoVinculo(1, QD_PROCESSO_FT_NF, 77);
    empresa.NovoVinculo(1, QD_PROCESSO_FT_NF, 0);
    EXPECT_EQ(empresa.Conexao().NotificaExclusaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 0)), platform::E_INVALIDARG);
    EXPECT_EQ(empresa.MarcasVinculos(), (std::vector<std::uint32_t>{0, 0}));
    ASSERT_EQ(empresa.Conexao().NotificaExclusaoOrigem(OrigemDe(QD_PROCESSO_FT_NF, 77)), platform::S_OK);
    EXPECT_EQ(empresa.MarcasVinculos(), (std::vector<std::uint32_t>{1, 0}));
    EXPECT_EQ(empresa.Doc(1).dwFlags & QD_DOC_EXCLUIDO, 0u);
}

// Every document of the requisition gets the related origins; links already there are passed
// over; a document of another origin gets nothing.
TEST(AtualizaVinculoDoc, LinksTheOriginsDocumentsToItsRelatedOrigins) {
    EmpresaDocs empresa;
    ASSERT_EQ(empresa.Srv().SetModoServico(), platform::S_OK);
    ModulosNoProcesso modulos;
    DadosModulos(empresa.Empresa(), DadosRequisicao());
    DadosDoc dados;
    for (std::uint32_t i = 1; i <= 3; ++i) ASSERT_EQ(empresa.Insere(dados), i);
    const auto relacionadas = OrigensDaRequisicao();
    empresa.NovoVinculo(1, QD_PROCESSO_CM_RE, ChaveRequisicao());
    empresa.NovoVinculo(2, QD_PROCESSO_CM_RE, ChaveRequisicao());
    empresa.NovoVinculo(2, relacionadas[3].first, relacionadas[3].second);
    empresa.NovoVinculo(3, QD_PROCESSO_CM_RE, 4242);
    ASSERT_EQ(empresa.Conexao().AtualizaVinculoDoc(OrigemDe(QD_PROCESSO_CM_RE, ChaveRequisicao())), platform::S_OK);

    std::vector<Vinculo3> esperado = {{1, QD_PROCESSO_CM_RE, ChaveRequisicao()},
                                      {2, QD_PROCESSO_CM_RE, ChaveRequisicao()},
                                      {2, relacionadas[3].first, relacionadas[3].second},
                                      {3, QD_PROCESSO_CM_RE, 4242}};
    for (const std::uint32_t doc : {1u, 2u}) {
        for (const auto& [proc, chave] : relacionadas) {
            if (doc == 2 && proc == relacionadas[3].first && chave == relacionadas[3].second) continue;
            esperado.emplace_back(doc, proc, chave);
        }
    }
    EXPECT_EQ(VinculosVivos(Bytes(empresa.Arquivo("QDVINDOC.DAT"))), esperado);

    // Again: everything is there already.
    ASSERT_EQ(empresa.Conexao().AtualizaVinculoDoc(OrigemDe(QD_PROCESSO_CM_RE, ChaveRequisicao())), platform::S_OK);
    EXPECT_EQ(VinculosVivos(Bytes(empresa.Arquivo("QDVINDOC.DAT"))), esperado);
}

// A server that cannot be created fails the call before any link is added.
TEST(AtualizaVinculoDoc, FailingServerAddsNothing) {
    EmpresaDocs empresa;
    DadosDoc dados;
    ASSERT_EQ(empresa.Insere(dados), 1u);
    empresa.NovoVinculo(1, QD_PROCESSO_CM_RE, ChaveRequisicao());
    EXPECT_EQ(empresa.Conexao().AtualizaVinculoDoc(OrigemDe(QD_PROCESSO_CM_RE, ChaveRequisicao())),
              platform::REGDB_E_CLASSNOTREG);
    EXPECT_EQ(empresa.MarcasVinculos().size(), 1u);
}

}  // namespace
