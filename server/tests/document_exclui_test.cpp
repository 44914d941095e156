// Deleting documents: each deletion marks, unchains, removes the content, gives the location its
// place back and logs one entry; the list is checked before anything changes; links go first;
// documents already deleted and contents already missing are handled without harm.
#include "server/document/qd_exclui_doc.h"
#include "server/tests/document_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

DadosDoc Simples(const char* nome = "nota.pdf") {
    DadosDoc dados;
    dados.usuarios = {1};
    dados.conteudo = "dados";
    dados.nome = nome;
    return dados;
}

class ExcluiDoc : public ::testing::Test {
protected:
    // The deletion with or without the link switch, as the link methods call it.
    HRESULT Exclui(std::vector<std::uint32_t> posicoes, bool bExcluiVinculos) {
        return QDExcluiDocs(QDSessaoDocsDe(empresa_.Srv()), posicoes, bExcluiVinculos);
    }
    EmpresaDocs empresa_;
};

// Three deletions write three entries, each with its own position and its record as deleted, and
// no items; the records keep everything but gain the deleted flag; the contents are gone.
TEST_F(ExcluiDoc, ThreeDeletionsLogThreeEntries) {
    const std::uint32_t posicoes[] = {empresa_.Insere(Simples("a.pdf")), empresa_.Insere(Simples("b.txt")),
                                      empresa_.Insere(Simples("c"))};
    std::vector<QD_DOC_ARQ> antes;
    for (const std::uint32_t posicao : posicoes) antes.push_back(empresa_.Doc(posicao));
    const std::size_t entradasAntes = empresa_.Log().size();

    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(3, posicoes), platform::S_OK);
    const std::vector<LogEntry> log = empresa_.Log();
    ASSERT_EQ(log.size(), entradasAntes + 3);
    for (std::size_t i = 0; i < 3; ++i) {
        QD_DOC_ARQ esperado = antes[i];
        esperado.dwFlags |= QD_DOC_EXCLUIDO;
        EXPECT_EQ(BytesDe(empresa_.Doc(posicoes[i])), BytesDe(esperado));
        const LogEntry& entrada = log[entradasAntes + i];
        EXPECT_EQ(entrada.operacao, QD_OP_LOG_DOC_EXCLUSAO);
        EXPECT_EQ(entrada.posicao, posicoes[i]);
        EXPECT_EQ(entrada.dados, BytesDe(esperado));
        EXPECT_TRUE(entrada.itens.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(empresa_.Docs("0000001.pdf")));
    EXPECT_FALSE(std::filesystem::exists(empresa_.Docs("0000002.txt")));
    EXPECT_FALSE(std::filesystem::exists(empresa_.Docs("0000003.")));
}

// A document stored without content (flag 0x4) is deleted without touching the content folder,
// even when a file with its content name lies there.
TEST_F(ExcluiDoc, NoContentFlagLeavesTheFolderAlone) {
    DadosDoc dados = Simples();
    dados.dwFlags = 0x4;
    const std::uint32_t posicao = empresa_.Insere(dados, 0x3);
    WriteFile(empresa_.Docs("0000001.pdf"), "de outro");
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &posicao), platform::S_OK);
    EXPECT_EQ(Bytes(empresa_.Docs("0000001.pdf")), "de outro");
    EXPECT_EQ(empresa_.Doc(posicao).dwFlags, 0x6u);
}

// A content file already missing counts as deleted: the document is deleted and logged.
TEST_F(ExcluiDoc, MissingContentCountsAsDeleted) {
    const std::uint32_t posicao = empresa_.Insere(Simples());
    std::filesystem::remove(empresa_.Docs("0000001.pdf"));
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &posicao), platform::S_OK);
    EXPECT_EQ(empresa_.Doc(posicao).dwFlags & QD_DOC_EXCLUIDO, QD_DOC_EXCLUIDO);
    EXPECT_EQ(empresa_.Log().back().operacao, QD_OP_LOG_DOC_EXCLUSAO);
}

// Deleting a deleted document again changes nothing and logs nothing: no second place given
// back, no chain touched; a position twice in one list is deleted once.
TEST_F(ExcluiDoc, AlreadyDeletedChangesNothing) {
    const std::uint32_t local = empresa_.NovoLocal(5, 5);
    DadosDoc dados = Simples();
    dados.lLocArq = local;
    const std::uint32_t posicao = empresa_.Insere(dados);
    const std::uint32_t duas[] = {posicao, posicao};
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(2, duas), platform::S_OK);
    EXPECT_EQ(empresa_.Disponivel(local), 5);
    const std::size_t entradas = empresa_.Log().size();
    const std::string docs = Bytes(empresa_.Arquivo("QDDOC.DAT"));

    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &posicao), platform::S_OK);
    EXPECT_EQ(empresa_.Log().size(), entradas);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOC.DAT")), docs);
    EXPECT_EQ(empresa_.Disponivel(local), 5);
}

// A list with position 0 (which would remove every link of the company) or a position past the
// last record is refused before anything changes: no link removed, no document touched.
TEST_F(ExcluiDoc, InvalidPositionsAreRefusedBeforeAnyChange) {
    const std::uint32_t a = empresa_.Insere(Simples());
    const std::uint32_t b = empresa_.Insere(Simples());
    empresa_.NovoVinculo(a, 9, 77);
    empresa_.NovoVinculo(b, 2, 5);
    const std::vector<std::vector<std::uint32_t>> listas = {{0}, {a, 0}, {a, 3}, {b, 0xFFFFFFFF}};
    const char* arquivos[] = {"QDDOC.DAT", "QDVINDOC.DAT", "QDLOG.DAT"};
    for (const auto& lista : listas) {
        std::vector<std::string> antes;
        for (const char* arquivo : arquivos) antes.push_back(Bytes(empresa_.Arquivo(arquivo)));
        EXPECT_EQ(empresa_.Conexao().ExcluiDoc(static_cast<std::uint32_t>(lista.size()), lista.data()),
                  platform::E_INVALIDARG);
        for (std::size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(Bytes(empresa_.Arquivo(arquivos[i])), antes[i]) << arquivos[i];
    }
    EXPECT_TRUE(std::filesystem::exists(empresa_.Docs("0000001.pdf")));
    EXPECT_EQ(empresa_.Srv().ExcluiDoc(1, nullptr), platform::E_INVALIDARG);
}

// ExcluiDoc removes the documents' links first, and only theirs; the deletion without the switch
// leaves links alone.
TEST_F(ExcluiDoc, LinksOfTheDeletedDocumentsGoFirst) {
    const std::uint32_t a = empresa_.Insere(Simples());
    const std::uint32_t b = empresa_.Insere(Simples());
    const std::uint32_t c = empresa_.Insere(Simples());
    empresa_.NovoVinculo(a, 9, 77);
    empresa_.NovoVinculo(b, 9, 77);
    empresa_.NovoVinculo(a, 3, 1);
    empresa_.NovoVinculo(c, 3, 1);
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &a), platform::S_OK);
    EXPECT_EQ(empresa_.MarcasVinculos(), (std::vector<std::uint32_t>{1, 0, 1, 0}));
    ASSERT_EQ(Exclui({c}, false), platform::S_OK);
    EXPECT_EQ(empresa_.MarcasVinculos(), (std::vector<std::uint32_t>{1, 0, 1, 0}));
    EXPECT_EQ(empresa_.Doc(c).dwFlags & QD_DOC_EXCLUIDO, QD_DOC_EXCLUIDO);
}

// Deleting a version joins its neighbours around it; deleting the newest version of a chain
// sets the previous one's next version back to 0; deleting consecutive versions in one call
// leaves a consistent chain.
TEST_F(ExcluiDoc, VersionChainIsJoinedAroundTheDeletedDocument) {
    const std::uint32_t v1 = empresa_.Insere(Simples());
    DadosDoc dados = Simples();
    dados.lPrevDoc = v1;
    const std::uint32_t v2 = empresa_.Insere(dados);
    dados.lPrevDoc = v2;
    const std::uint32_t v3 = empresa_.Insere(dados);
    dados.lPrevDoc = v3;
    const std::uint32_t v4 = empresa_.Insere(dados);

    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &v2), platform::S_OK);
    EXPECT_EQ(empresa_.Doc(v1).lNextDoc, v3);
    EXPECT_EQ(empresa_.Doc(v3).lPrevDoc, v1);
    EXPECT_EQ(empresa_.Doc(v2).lPrevDoc, v1);  // the record's own links stay
    EXPECT_EQ(empresa_.Doc(v2).lNextDoc, v3);

    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &v4), platform::S_OK);
    EXPECT_EQ(empresa_.Doc(v3).lNextDoc, 0u);

    const std::uint32_t ambos[] = {v3, v1};
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(2, ambos), platform::S_OK);
    EXPECT_EQ(empresa_.Doc(v1).lNextDoc, 0u);
    EXPECT_EQ(empresa_.Doc(v1).lPrevDoc, 0u);
}

// A deleted document gives its location a place back, whether or not the location has a maximum.
TEST_F(ExcluiDoc, LocationGetsItsPlaceBack) {
    const std::uint32_t comMaximo = empresa_.NovoLocal(5, 5);
    const std::uint32_t semMaximo = empresa_.NovoLocal(0, 0);
    DadosDoc dados = Simples();
    dados.lLocArq = comMaximo;
    const std::uint32_t a = empresa_.Insere(dados);
    dados.lLocArq = semMaximo;
    const std::uint32_t b = empresa_.Insere(dados);
    ASSERT_EQ(empresa_.Disponivel(comMaximo), 4);
    const std::uint32_t ambos[] = {a, b};
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(2, ambos), platform::S_OK);
    EXPECT_EQ(empresa_.Disponivel(comMaximo), 5);
    EXPECT_EQ(empresa_.Disponivel(semMaximo), 1);
}

// A document whose location cannot be read stops the deletion before any change.
TEST_F(ExcluiDoc, UnreadableLocationStopsBeforeAnyChange) {
    const std::uint32_t bom = empresa_.Insere(Simples());
    const std::uint32_t ruim = empresa_.Insere(Simples());
    QD_DOC_ARQ arq = empresa_.Doc(ruim);
    arq.lLocArq = 40;
    GravaRegistro(empresa_.Bind(), arq, ruim);
    empresa_.NovoVinculo(bom, 1, 1);
    const std::string docs = Bytes(empresa_.Arquivo("QDDOC.DAT"));
    const std::uint32_t ambos[] = {bom, ruim};
    EXPECT_EQ(empresa_.Conexao().ExcluiDoc(2, ambos), platform::HResultFromMessage(16021));
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOC.DAT")), docs);
    EXPECT_EQ(empresa_.MarcasVinculos(), std::vector<std::uint32_t>{0});
}

// A content file that cannot be deleted ends the call with its Win32 error; the batch is not
// sent, so the document deleted before it has no entry.
TEST_F(ExcluiDoc, UndeletableContentEndsTheCall) {
    const std::uint32_t a = empresa_.Insere(Simples());
    const std::uint32_t b = empresa_.Insere(Simples("b.txt"));
    std::filesystem::remove(empresa_.Docs("0000002.txt"));
    std::filesystem::create_directory(empresa_.Docs("0000002.txt"));  // a folder is not deleted as a file
    const std::size_t entradas = empresa_.Log().size();
    const std::uint32_t ambos[] = {a, b};
    EXPECT_EQ(empresa_.Conexao().ExcluiDoc(2, ambos), platform::HResultFromWin32(platform::ERROR_ACCESS_DENIED));
    EXPECT_EQ(empresa_.Doc(a).dwFlags & QD_DOC_EXCLUIDO, QD_DOC_EXCLUIDO);
    EXPECT_EQ(empresa_.Log().size(), entradas);
}

}  // namespace
