// Listing the documents of origins through the client library: every matching live link in file
// order (a document twice when linked twice), removed links left out, the access rule applied,
// the refusals, and what the link methods answer on an object without a session.
#include "outside/pendora/qd_array_ponteiros.h"
#include "server/tests/links_test_support.h"

#include <gtest/gtest.h>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

std::vector<std::uint32_t> Posicoes(const QD_ARRAY_PONTEIROS_PS& ptrs) {
    return {ptrs.pPtrs, ptrs.pPtrs + ptrs.qtd};
}

// The documents of `origens` as user `usuario` sees them.
std::vector<std::uint32_t> DocsDe(CConexaoGedSrv& conexao, const std::vector<QD_ORIGEM_VINCULO_DOC_PS>& origens) {
    CQDArrayPonteiros ptrs;
    EXPECT_EQ(conexao.BuscaVinculosDocByOrigem(static_cast<std::uint32_t>(origens.size()), origens.data(), ptrs),
              platform::S_OK);
    return Posicoes(ptrs.GetPS());
}

class Busca : public ::testing::Test {
protected:
    void SetUp() override {
        // Documents 1..4: 1 open to all, 2 only for user 2, 3 of a type only for user 3, 4 open.
        const std::uint32_t tipo = empresa_.NovoTipo({3});
        DadosDoc aberto;
        ASSERT_EQ(empresa_.Insere(aberto), 1u);
        DadosDoc doUsuario2;
        doUsuario2.usuarios = {2};
        ASSERT_EQ(empresa_.Insere(doUsuario2), 2u);
        DadosDoc doTipo;
        doTipo.lTipDoc = tipo;
        ASSERT_EQ(empresa_.Insere(doTipo), 3u);
        ASSERT_EQ(empresa_.Insere(aberto), 4u);
        for (const auto& [doc, proc, chave] : kVinculos) empresa_.NovoVinculo(doc, proc, chave);
        ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(2, 0), {1}), platform::S_OK);
        ASSERT_EQ(ConexoGravaUsuario(kEmpresaTeste, UsuarioTeste(3, 0, 2), {1}), platform::S_OK);
    }
    // Links in file order: document, process, key.
    static constexpr std::uint32_t kVinculos[][3] = {
        {4, 9, 77}, {1, 9, 77}, {2, 9, 77}, {3, 9, 77}, {1, 2, 10}, {4, 9, 77}, {1, 9, 78},
    };
    EmpresaDocs empresa_;
};

// A supervisor with all rights sees every linked document, in file order and as often as linked;
// another origin's links and removed links are left out.
TEST_F(Busca, EveryLiveLinkInFileOrder) {
    ASSERT_EQ(empresa_.Srv().SetModoServico(), platform::S_OK);
    EXPECT_EQ(DocsDe(empresa_.Conexao(), {OrigemDe(QD_PROCESSO_FT_NF, 77)}), (std::vector<std::uint32_t>{4, 1, 2, 3, 4}));
    EXPECT_EQ(DocsDe(empresa_.Conexao(), {OrigemDe(QD_PROCESSO_FT_NF, 78), OrigemDe(QD_PROCESSO_FN_CRE_LANC, 10)}),
              (std::vector<std::uint32_t>{1, 1}));
    EXPECT_TRUE(DocsDe(empresa_.Conexao(), {OrigemDe(QD_PROCESSO_FN_CRE_LANC, 77)}).empty());
    const QD_VINCULO_DOC_PS remove = VinculoDe(QD_PROCESSO_FT_NF, 77, 4);
    ASSERT_EQ(empresa_.Conexao().ExcluiVinculoDoc(1, &remove), platform::S_OK);
    EXPECT_EQ(DocsDe(empresa_.Conexao(), {OrigemDe(QD_PROCESSO_FT_NF, 77)}), (std::vector<std::uint32_t>{1, 2, 3}));
}

// Each user sees what the access rule lets them: the document's own list first, else the type's,
// else everyone; the parent's code counts for a child user.
TEST_F(Busca, AccessRuleApplies) {
    struct Caso {
        std::uint16_t usuario;
        std::vector<std::uint32_t> docs;
    };
    const Caso casos[] = {
        {1, {4, 1, 4}},        // the supervisor without the all-rights property: open documents only
        {2, {4, 1, 2, 4}},     // its own document; not the type's
        {3, {4, 1, 2, 3, 4}},  // the type's and, through parent 2, document 2
    };
    for (const Caso& caso : casos) {
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kEmpresaTeste, caso.usuario)), platform::S_OK);
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&*srv);
        EXPECT_EQ(DocsDe(conexao, {OrigemDe(QD_PROCESSO_FT_NF, 77)}), caso.docs) << caso.usuario;
    }
}

// No origins give no documents; null pointers are refused; a link to a position past the
// documents is a read failure, not an invented document.
TEST_F(Busca, EdgesAndRefusals) {
    CQDArrayPonteiros ptrs;
    EXPECT_EQ(empresa_.Conexao().BuscaVinculosDocByOrigem(0, nullptr, ptrs), platform::S_OK);
    EXPECT_EQ(ptrs->qtd, 0u);
    EXPECT_EQ(empresa_.Srv().BuscaVinculosDocByOrigem(1, nullptr, &ptrs.GetPS()), platform::E_INVALIDARG);
    const QD_ORIGEM_VINCULO_DOC_PS origem = OrigemDe(QD_PROCESSO_FT_NF, 77);
    EXPECT_EQ(empresa_.Srv().BuscaVinculosDocByOrigem(1, &origem, nullptr), platform::E_POINTER);
    empresa_.NovoVinculo(40, 9, 77);
    EXPECT_EQ(empresa_.Conexao().BuscaVinculosDocByOrigem(1, &origem, ptrs), platform::HResultFromMessage(16021));
    EXPECT_EQ(ptrs->qtd, 0u);
    EXPECT_EQ(ptrs->pPtrs, nullptr);
}

// Without a session every link method is refused, whatever its arguments, and no file is made
// anywhere.
TEST(VinculosSemSessao, MethodsOpenNoFile) {
    TestEnvironment ambiente;
    Servidor srv;
    const QD_ORIGEM_VINCULO_DOC_PS origem = OrigemDe(QD_PROCESSO_FT_NF, 77);
    QD_ARRAY_PONTEIROS_PS ptrs{};
    const HRESULT semSessao = platform::HResultFromMessage(16179);
    EXPECT_EQ(srv->AdicionaVinculoDoc(VinculoDe(QD_PROCESSO_FT_NF, 77, 1), REG_ZTDMC{0}), semSessao);
    EXPECT_EQ(srv->AdicionaVinculoDoc(QD_VINCULO_DOC_PS{}, REG_ZTDMC{0}), semSessao);
    EXPECT_EQ(srv->BuscaVinculosDocByOrigem(1, &origem, &ptrs), semSessao);
    EXPECT_EQ(srv->BuscaVinculosDocByOrigem(0, nullptr, nullptr), semSessao);
    EXPECT_EQ(srv->NotificaAlteracaoOrigem(origem, QD_DOC_PS{}, QD_DOC_PS{}), semSessao);
    EXPECT_EQ(srv->NotificaExclusaoOrigem(origem), semSessao);
    EXPECT_EQ(srv->NotificaExclusaoOrigem(QD_ORIGEM_VINCULO_DOC_PS{}), semSessao);
    EXPECT_EQ(srv->AtualizaVinculoDoc(origem), semSessao);
    EXPECT_FALSE(std::filesystem::exists("QDVINDOC.DAT"));
}

}  // namespace
