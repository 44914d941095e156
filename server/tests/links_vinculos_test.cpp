// Document links: which stored links a removal matches, what a removal writes (the mark only,
// nothing in the log), and the origins of one document, of chosen documents and of all of them.
#include "server/links/qd_exclui_vinculos.h"
#include "server/links/qd_origens_doc.h"
#include "server/tests/document_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

QD_VINCULO_DOC_PS Vinculo(std::uint32_t eProc, std::uint32_t lChave, std::uint32_t lPosDoc) {
    QD_VINCULO_DOC_PS vinculo{};
    vinculo.origem.eProc = static_cast<QD_E_PROCESSO>(eProc);
    vinculo.origem.lChave = lChave;
    vinculo.lPosDoc = lPosDoc;
    return vinculo;
}

class Vinculos : public ::testing::Test {
protected:
    // Links, in file order: document, process, key.
    void SetUp() override {
        for (const auto& [doc, proc, chave] : kVinculos) empresa_.NovoVinculo(doc, proc, chave);
    }
    static constexpr std::uint32_t kVinculos[][3] = {
        {5, 9, 77}, {5, 2, 10}, {6, 9, 77}, {7, 9, 78}, {5, 9, 77}, {8, 2, 77},
    };
    EmpresaDocs empresa_;
};

// Each given link removes exactly the live links it names: key 0 matches any origin of its
// document (its process is not compared), document 0 any document of its origin.
TEST_F(Vinculos, ExcluiVinculoDocRemovesWhatTheGivenLinksMatch) {
    struct Caso {
        const char* nome;
        std::vector<QD_VINCULO_DOC_PS> dados;
        std::vector<std::uint32_t> marcas;
    };
    const Caso casos[] = {
        {"any origin of document 5", {Vinculo(0, 0, 5)}, {1, 1, 0, 0, 1, 0}},
        {"process ignored when the key is 0", {Vinculo(33, 0, 5)}, {1, 1, 0, 0, 1, 0}},
        {"origin 9/77 on every document", {Vinculo(9, 77, 0)}, {1, 0, 1, 0, 1, 0}},
        {"one exact link, both copies", {Vinculo(9, 77, 5)}, {1, 0, 0, 0, 1, 0}},
        {"same key, other process", {Vinculo(2, 77, 5)}, {0, 0, 0, 0, 0, 0}},
        {"several at once", {Vinculo(2, 10, 5), Vinculo(0, 0, 7), Vinculo(2, 77, 0)}, {0, 1, 0, 1, 0, 1}},
        {"no document of that number", {Vinculo(0, 0, 99)}, {0, 0, 0, 0, 0, 0}},
        {"everything", {Vinculo(0, 0, 0)}, {1, 1, 1, 1, 1, 1}},
    };
    for (const Caso& caso : casos) {
        EmpresaDocs empresa;
        for (const auto& [doc, proc, chave] : kVinculos) empresa.NovoVinculo(doc, proc, chave);
        EXPECT_EQ(empresa.Conexao().ExcluiVinculoDoc(static_cast<std::uint32_t>(caso.dados.size()), caso.dados.data()),
                  platform::S_OK)
            << caso.nome;
        EXPECT_EQ(empresa.MarcasVinculos(), caso.marcas) << caso.nome;
    }
}

// A removal writes the mark at offset 12 and nothing else: the record keeps document, process
// and key; a removed link is never matched (or written) again, and nothing is logged.
TEST_F(Vinculos, RemovalWritesOnlyTheMark) {
    const std::string antes = Bytes(empresa_.Arquivo("QDVINDOC.DAT"));
    const QD_VINCULO_DOC_PS um = Vinculo(2, 10, 5);
    ASSERT_EQ(empresa_.Conexao().ExcluiVinculoDoc(1, &um), platform::S_OK);
    std::string esperado = antes;
    esperado[2 * 16 + 12] = 1;
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDVINDOC.DAT")), esperado);
    EXPECT_EQ(U32At(esperado, 2 * 16), 5u);
    EXPECT_EQ(U32At(esperado, 2 * 16 + 4), 2u);
    EXPECT_EQ(U32At(esperado, 2 * 16 + 8), 10u);
    EXPECT_TRUE(empresa_.Log().empty());

    // A removed record holding a mark other than 1 stays as it is.
    GravaRegistro(empresa_.Bind(), QD_VINCULO_DOC_ARQ{5, 9, 77, 7}, 1);
    const QD_VINCULO_DOC_PS todos = Vinculo(0, 0, 5);
    ASSERT_EQ(empresa_.Conexao().ExcluiVinculoDoc(1, &todos), platform::S_OK);
    EXPECT_EQ(empresa_.MarcasVinculos(), (std::vector<std::uint32_t>{7, 1, 0, 0, 1, 0}));
}

// An empty list changes nothing; a null list with a count is refused.
TEST_F(Vinculos, EmptyAndNullLists) {
    const std::string antes = Bytes(empresa_.Arquivo("QDVINDOC.DAT"));
    EXPECT_EQ(empresa_.Srv().ExcluiVinculoDoc(0, nullptr), platform::S_OK);
    EXPECT_EQ(empresa_.Srv().ExcluiVinculoDoc(2, nullptr), platform::E_INVALIDARG);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDVINDOC.DAT")), antes);
}

// Removing the links of a list of documents goes through the object's ExcluiVinculoDoc; a
// document position 0, which would match every document, is refused before anything changes.
TEST_F(Vinculos, LinksOfDocumentsAreRemovedThroughTheObject) {
    const std::uint32_t docs[] = {5, 8};
    ASSERT_EQ(QDExcluiVinculosDosDocs(empresa_.Srv(), docs), platform::S_OK);
    EXPECT_EQ(empresa_.MarcasVinculos(), (std::vector<std::uint32_t>{1, 1, 0, 0, 1, 1}));
    const std::uint32_t comZero[] = {6, 0};
    EXPECT_EQ(QDExcluiVinculosDosDocs(empresa_.Srv(), comZero), platform::E_INVALIDARG);
    EXPECT_EQ(empresa_.MarcasVinculos(), (std::vector<std::uint32_t>{1, 1, 0, 0, 1, 1}));
    EXPECT_EQ(QDExcluiVinculosDosDocs(empresa_.Srv(), {}), platform::S_OK);
}

using Origem = std::pair<std::uint32_t, std::uint32_t>;

std::vector<Origem> Pares(const QDOrigensVinculo& origens) {
    std::vector<Origem> pares;
    for (const QD_ORIGEM_VINCULO_DOC_PS& origem : origens) pares.emplace_back(origem.eProc, origem.lChave);
    return pares;
}

// The origins of one document, of chosen documents and of all documents agree, come in file
// order, and leave removed links out.
TEST_F(Vinculos, OriginsOfOneChosenAndAllDocuments) {
    const QD_VINCULO_DOC_PS removido = Vinculo(9, 78, 7);
    ASSERT_EQ(empresa_.Conexao().ExcluiVinculoDoc(1, &removido), platform::S_OK);
    const std::map<std::uint32_t, std::vector<Origem>> esperado = {
        {5, {{9, 77}, {2, 10}, {9, 77}}},
        {6, {{9, 77}}},
        {8, {{2, 77}}},
    };

    CQDArqT<QD_VINCULO_DOC_ARQ> arquivo(empresa_.Bind());
    ASSERT_EQ(arquivo.Open('L', true, true), 0);
    for (const std::uint32_t doc : {5u, 6u, 7u, 8u, 9u}) {
        QDOrigensVinculo origens;
        ASSERT_EQ(QDLeOrigensDoc(arquivo, doc, origens), 0);
        const auto achado = esperado.find(doc);
        EXPECT_EQ(Pares(origens), achado == esperado.end() ? std::vector<Origem>{} : achado->second) << doc;
    }

    QDOrigensPorDoc escolhidos;
    const std::uint32_t docs[] = {6, 7, 8, 6};
    ASSERT_EQ(QDLeOrigensDocs(arquivo, docs, escolhidos), 0);
    EXPECT_EQ(escolhidos.size(), 2u);
    EXPECT_EQ(Pares(escolhidos.at(6)), esperado.at(6));
    EXPECT_EQ(Pares(escolhidos.at(8)), esperado.at(8));

    QDOrigensPorDoc todos;
    ASSERT_EQ(QDLeOrigensTodosDocs(empresa_.Bind(), todos), platform::S_OK);
    ASSERT_EQ(todos.size(), esperado.size());
    for (const auto& [doc, origens] : esperado) EXPECT_EQ(Pares(todos.at(doc)), origens) << doc;
}

// A listing of a file that cannot be read reports the failure with nothing listed; a session
// without a data directory cannot reach any file.
TEST(VinculosSemSessao, NoDataDirectoryNoFile) {
    TestEnvironment ambiente;
    Servidor srv;
    QDOrigensPorDoc mapa{{1, {}}};
    EXPECT_EQ(QDLeOrigensTodosDocs(*srv, mapa), platform::HResultFromMessage(16179));
    EXPECT_TRUE(mapa.empty());
    const QD_VINCULO_DOC_PS vinculo = Vinculo(0, 0, 5);
    EXPECT_EQ(srv->ExcluiVinculoDoc(1, &vinculo), platform::HResultFromMessage(16179));
}

}  // namespace
