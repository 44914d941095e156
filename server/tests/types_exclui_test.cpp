// Deleting document types: groups and types in use are kept with the success status and nothing
// changed; a type whose documents are all deleted goes, its record and lists kept and its
// deletion logged.
#include "server/tests/types_test_support.h"

#include "server/document/qd_doc_arq.h"
#include "server/idl/qd_status.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kFimArquivo = platform::HResultFromMessage(16021);

class ExcluiTipDoc : public TiposTeste {
protected:
    // QDDOC.DAT written raw with one document per entry: {type position, document flags}.
    void Documentos(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& documentos) {
        std::string bytes(sizeof(QD_DOC_ARQ), '\0');
        for (const auto& [tipo, flags] : documentos) {
            QD_DOC_ARQ doc{};
            doc.lTipDoc = tipo;
            doc.dwFlags = flags;
            bytes.append(reinterpret_cast<const char*>(&doc), sizeof doc);
        }
        WriteFile(Arquivo("QDDOC.DAT"), bytes);
    }
    std::string Estado() const { return ReadFile(Arquivo("QDTPD.DAT")) + "|" + ReadFile(Arquivo("QDLOG.DAT")); }
};

}  // namespace

// The kept-type status is a success-class value that callers must compare exactly.
TEST(QDStatusTipDoc, KeptIsTheSuccessStatus40688) {
    EXPECT_EQ(static_cast<std::uint32_t>(QD_S_TIPDOC_MANTIDO), 0x00040688u);
    EXPECT_TRUE(platform::SUCCEEDED(QD_S_TIPDOC_MANTIDO));
}

// A group is kept even with no type under it; a type that a live document has is kept; neither
// call changes a byte of the types or the log.
TEST_F(ExcluiTipDoc, GroupsAndTypesInUseAreKept) {
    const std::uint32_t grupo = Insere({"01", "Grupo", QD_TIPDOC_GRUPO, {}, {}, {}});
    const std::uint32_t usado = Insere({"02", "Usado", 0, {4}, {}, {}});
    const std::uint32_t outro = Insere({"03", "Outro", 0, {}, {}, {}});
    // The live document of `usado` comes last, after deleted ones and another type's.
    Documentos({{usado, QD_DOC_EXCLUIDO}, {outro, QD_DOC_EXCLUIDO}, {grupo + 100, 0}, {usado, QD_DOC_ACESSO_WEB}});
    const std::string antes = Estado();
    EXPECT_EQ(conexao_.ExcluiTipDoc(grupo), QD_S_TIPDOC_MANTIDO);
    EXPECT_EQ(conexao_.ExcluiTipDoc(usado), QD_S_TIPDOC_MANTIDO);
    EXPECT_EQ(Estado(), antes);
}

// A type whose only documents are deleted is deleted: flag 0x2 set, every other byte and its
// lists kept, one entry logged with the record and no items, and no search finds it.
TEST_F(ExcluiTipDoc, TypeWhoseDocumentsAreAllDeletedIsDeletedAndLogged) {
    const std::uint32_t posicao = Insere({"02", "Velho", 0x40, {4, 5}, {QD_PROCESSO_CQ_DOC}, {}});
    Documentos({{posicao, QD_DOC_EXCLUIDO}, {posicao, QD_DOC_EXCLUIDO | QD_DOC_SEM_CONTEUDO}});
    const QD_TIPDOC_ARQ antes = TipoGravado(Pasta(), posicao);
    const std::string usuarios = ReadFile(Arquivo("QDTPDUSU.DAT"));

    ASSERT_EQ(conexao_.ExcluiTipDoc(posicao), platform::S_OK);
    QD_TIPDOC_ARQ esperado = antes;
    esperado.dwFlags = 0x42;
    const QD_TIPDOC_ARQ depois = TipoGravado(Pasta(), posicao);
    EXPECT_EQ(BytesDe(depois), BytesDe(esperado));
    EXPECT_EQ(ReadFile(Arquivo("QDTPDUSU.DAT")), usuarios);

    const std::vector<LogEntry> log = Log(Pasta());
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1], (LogEntry{QD_OP_LOG_TIPDOC_EXCLUSAO, posicao, BytesDe(esperado), {}}));
    EXPECT_TRUE(Busca(Filtro(0x20)).empty());
}

// Without any document file the type is simply deleted (the file comes into being empty).
TEST_F(ExcluiTipDoc, TypeWithoutDocumentsIsDeleted) {
    const std::uint32_t posicao = Insere({"02", "Novo", 0, {}, {}, {}});
    ASSERT_EQ(conexao_.ExcluiTipDoc(posicao), platform::S_OK);
    EXPECT_EQ(TipoGravado(Pasta(), posicao).dwFlags, QD_TIPDOC_EXCLUIDO);
}

// Position 0 (the header) and positions past the end are the layer's 16021, with nothing changed.
TEST_F(ExcluiTipDoc, MissingPositionsFailWithEndOfFile) {
    ASSERT_EQ(Insere({"02", "Tipo", 0, {}, {}, {}}), 1u);
    const std::string antes = Estado();
    for (const std::uint32_t posicao : {0u, 2u, 0x80000000u}) {
        EXPECT_EQ(conexao_.ExcluiTipDoc(posicao), kFimArquivo) << posicao;
    }
    EXPECT_EQ(Estado(), antes);
}
