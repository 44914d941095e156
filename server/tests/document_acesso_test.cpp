// The document access rule: all rights, the document's own list, its type's list, both empty,
// the parent user, and a parent of 0 that must never match a stored code 0; through the rule on
// open files and through the scan object a search uses.
#include "server/document/qd_acesso_doc.h"
#include "server/tests/document_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

class AcessoDoc : public ::testing::Test {
protected:
    // A document record with the list `usuarios` (stored as its run) and a type with `doTipo`.
    std::pair<QD_DOC_ARQ, QD_TIPDOC_ARQ> Registros(const std::vector<std::uint16_t>& usuarios,
                                                   const std::vector<std::uint16_t>& doTipo) {
        QD_DOC_ARQ doc{};
        doc.nQtdUsuarios = static_cast<std::uint32_t>(usuarios.size());
        doc.lPrimeiroUsuario = AnexaUsuarios<QD_DOC_USUARIO_ARQ>(empresa_.Bind(), usuarios);
        doc.lTipDoc = empresa_.NovoTipo(doTipo);
        return {doc, LeRegistro<QD_TIPDOC_ARQ>(empresa_.Bind(), doc.lTipDoc)};
    }
    EmpresaDocs empresa_;
};

// Every case of the rule, on the open user files.
TEST_F(AcessoDoc, RuleCases) {
    struct Caso {
        const char* nome;
        std::vector<std::uint16_t> doDoc;
        std::vector<std::uint16_t> doTipo;
        QDSessaoAcesso sessao;
        HRESULT esperado;
    };
    const Caso casos[] = {
        {"both lists empty: everyone", {}, {}, {0, 4, 0}, QD_DOC_VISIVEL},
        {"all rights see a list without them", {2, 3}, {}, {1, 4, 0}, QD_DOC_VISIVEL},
        {"in the document's list", {2, 4}, {}, {0, 4, 0}, QD_DOC_VISIVEL},
        {"not in the document's list", {2, 3}, {}, {0, 4, 0}, QD_DOC_OCULTO},
        {"the document's list decides over the type's", {2, 3}, {4}, {0, 4, 0}, QD_DOC_OCULTO},
        {"no document list: in the type's list", {}, {7, 4}, {0, 4, 0}, QD_DOC_VISIVEL},
        {"no document list: not in the type's list", {}, {7, 8}, {0, 4, 0}, QD_DOC_OCULTO},
        {"through the parent user, document list", {9}, {}, {0, 4, 9}, QD_DOC_VISIVEL},
        {"through the parent user, type list", {}, {9}, {0, 4, 9}, QD_DOC_VISIVEL},
        {"a parent of 0 never matches a code 0", {0}, {}, {0, 4, 0}, QD_DOC_OCULTO},
        {"a parent of 0 never matches a type's code 0", {}, {0}, {0, 4, 0}, QD_DOC_OCULTO},
        {"user 0 itself is in a list of code 0", {0}, {}, {0, 0, 0}, QD_DOC_VISIVEL},
    };
    CQDArqT<QD_DOC_USUARIO_ARQ> usuariosDoc(empresa_.Bind());
    CQDArqT<QD_TIPDOC_USUARIO_ARQ> usuariosTipo(empresa_.Bind());
    for (const Caso& caso : casos) {
        const auto [doc, tipo] = Registros(caso.doDoc, caso.doTipo);
        ASSERT_EQ(usuariosDoc.Open('L', true, true), 0);
        ASSERT_EQ(usuariosTipo.Open('L', true, true), 0);
        EXPECT_EQ(QDAcessoDoc(doc, tipo, usuariosDoc, usuariosTipo, caso.sessao), caso.esperado) << caso.nome;
        CQDAcessoDoc acesso(empresa_.Bind(), caso.sessao);
        ASSERT_EQ(acesso.Abre(), platform::S_OK);
        EXPECT_EQ(acesso.Visivel(doc), caso.esperado) << caso.nome;
        usuariosDoc.CloseEx();
        usuariosTipo.CloseEx();
    }
}

// A list whose run does not lie inside its file is a read failure, never a guess; a type that
// cannot be read fails too, and type 0 has no list.
TEST_F(AcessoDoc, DamagedListsFail) {
    auto [doc, tipo] = Registros({1}, {1});
    const QDSessaoAcesso sessao{0, 1, 0};
    CQDAcessoDoc acesso(empresa_.Bind(), sessao);
    ASSERT_EQ(acesso.Abre(), platform::S_OK);

    QD_DOC_ARQ longo = doc;
    longo.nQtdUsuarios = 1000;
    EXPECT_EQ(acesso.Visivel(longo), platform::HResultFromMessage(16021));
    QD_DOC_ARQ semTipo = doc;
    semTipo.nQtdUsuarios = 0;
    semTipo.lTipDoc = 0;
    EXPECT_EQ(acesso.Visivel(semTipo), QD_DOC_VISIVEL);
    semTipo.lTipDoc = 50;
    EXPECT_EQ(acesso.Visivel(semTipo), platform::HResultFromMessage(16021));
    // All rights need no list at all.
    CQDAcessoDoc total(empresa_.Bind(), QDSessaoAcesso{1, 1, 0});
    ASSERT_EQ(total.Abre(), platform::S_OK);
    EXPECT_EQ(total.Visivel(longo), QD_DOC_VISIVEL);
}

// A stored document of a restricted type is seen by the session of a listed user (and of its
// children through the parent user), not by others: the rule on documents written by GravaDoc.
TEST_F(AcessoDoc, StoredDocumentOfARestrictedType) {
    DadosDoc dados;
    dados.lTipDoc = empresa_.NovoTipo({3});
    const std::uint32_t posicao = empresa_.Insere(dados, 0x1);
    const QD_DOC_ARQ doc = empresa_.Doc(posicao);
    CQDAcessoDoc visto(empresa_.Bind(), QDSessaoAcesso{0, 3, 0});
    CQDAcessoDoc filho(empresa_.Bind(), QDSessaoAcesso{0, 8, 3});
    CQDAcessoDoc outro(empresa_.Bind(), QDSessaoAcesso{0, 1, 0});
    for (CQDAcessoDoc* acesso : {&visto, &filho, &outro}) ASSERT_EQ(acesso->Abre(), platform::S_OK);
    EXPECT_EQ(visto.Visivel(doc), QD_DOC_VISIVEL);
    EXPECT_EQ(filho.Visivel(doc), QD_DOC_VISIVEL);
    EXPECT_EQ(outro.Visivel(doc), QD_DOC_OCULTO);
}

}  // namespace
