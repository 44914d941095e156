// Reading documents: each dwFlags bit leaves its part out, 0x1F allocates nothing, a failure in
// the middle keeps the entries before it and leaves the rest empty, counts and lengths of damaged
// records are bounded by their files, links come in file order, deleted documents read as such, and
// a reply that would pass one message is refused as soon as it does.
#include "platform/idl/value_codec.h"
#include "server/document/qd_le_doc.h"
#include "server/tests/document_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kFimArquivo = platform::HResultFromMessage(16021);

DadosDoc Completo() {
    DadosDoc dados;
    dados.usuarios = {2, 3};
    dados.campos = {{QD_CAMPO_VALOR_NF, "100"}};
    dados.descricao = "descri\xE7\xE3o";
    dados.conteudo = "conteudo";
    return dados;
}

// Whether an entry owns nothing: every count 0 and every pointer and text null.
bool NadaAlocado(const QD_DOC_PS& ps) {
    return ps.nQtdUsuarios == 0 && !ps.pUsuarios && ps.nQtdCampos == 0 && !ps.pCampos && ps.nQtdVinculos == 0 &&
           !ps.pVinculos && ps.cbArquivo == 0 && !ps.pArquivo && !ps.bsDescricao && !ps.bsFiller;
}

class LeDoc : public ::testing::Test {
protected:
    void SetUp() override {
        posicao_ = empresa_.Insere(Completo());
        empresa_.NovoVinculo(posicao_, 9, 77);
    }
    EmpresaDocs empresa_;
    std::uint32_t posicao_ = 0;
};

// With every part left out nothing at all is allocated, and the record's own fields still come.
TEST_F(LeDoc, AllPartsLeftOutAllocateNothing) {
    QD_DOC_PS ps;
    std::memset(&ps, 0xAB, sizeof ps);  // the caller's contents do not matter
    ASSERT_EQ(empresa_.Srv().LeDoc(1, &posicao_, &ps, 0x1F), platform::S_OK);
    EXPECT_TRUE(NadaAlocado(ps));
    EXPECT_STREQ(ps.szOriginalFileName, "nota.pdf");
    EXPECT_NE(ps.dataInclusao, 0);
}

// Each bit leaves out exactly its own part.
TEST_F(LeDoc, EachBitLeavesOutItsPart) {
    struct Caso {
        std::uint32_t dwFlags;
        bool usuarios, campos, vinculos, conteudo, descricao;
    };
    const Caso casos[] = {
        {0x00, true, true, true, true, true},    {0x01, false, true, true, true, true},
        {0x02, true, false, true, true, true},   {0x04, true, true, false, true, true},
        {0x08, true, true, true, false, true},   {0x10, true, true, true, true, false},
        {0x0D, false, true, false, false, true},
    };
    for (const Caso& caso : casos) {
        const CQDDoc doc = empresa_.Le(posicao_, caso.dwFlags);
        EXPECT_EQ(Usuarios(doc), caso.usuarios ? Completo().usuarios : std::vector<std::uint16_t>{}) << caso.dwFlags;
        EXPECT_EQ(doc->nQtdCampos, caso.campos ? 1u : 0u) << caso.dwFlags;
        EXPECT_EQ(doc->pCampos != nullptr, caso.campos) << caso.dwFlags;
        EXPECT_EQ(Origens(doc).size(), caso.vinculos ? 1u : 0u) << caso.dwFlags;
        EXPECT_EQ(Conteudo(doc), caso.conteudo ? Completo().conteudo : "") << caso.dwFlags;
        EXPECT_EQ(doc->bsDescricao != nullptr, caso.descricao) << caso.dwFlags;
        if (caso.descricao) {
            EXPECT_EQ(Descricao(doc), Completo().descricao);
        }
    }
}

// A failing position ends the call with its code; the entries before it stay filled (the
// caller frees them) and the failing one and those after it are empty.
TEST_F(LeDoc, FailureInTheMiddleKeepsTheEarlierEntries) {
    const std::uint32_t outro = empresa_.Insere(Completo());
    const std::uint32_t posicoes[] = {posicao_, outro, 99, posicao_};
    QD_DOC_PS docs[4];
    std::memset(docs, 0xAB, sizeof docs);
    EXPECT_EQ(empresa_.Srv().LeDoc(4, posicoes, docs, 0), kFimArquivo);
    for (int i : {0, 1}) {
        EXPECT_EQ(docs[i].nQtdUsuarios, 2u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(docs[i].pArquivo), docs[i].cbArquivo), "conteudo");
        platform::idl::Codec<QD_DOC_PS>::Free(docs[i]);
    }
    EXPECT_TRUE(NadaAlocado(docs[2]));
    EXPECT_TRUE(NadaAlocado(docs[3]));
    EXPECT_EQ(docs[3].dwFlags, 0u);

    // Position 0 is the file's header, never a document.
    const std::uint32_t zero = 0;
    QD_DOC_PS ps{};
    EXPECT_EQ(empresa_.Srv().LeDoc(1, &zero, &ps, 0x1F), kFimArquivo);
    EXPECT_EQ(empresa_.Srv().LeDoc(1, nullptr, &ps, 0), platform::E_POINTER);
}

// Counts, first positions and text places of a damaged record are checked against their files
// before anything is allocated: the read fails with the end-of-file code.
TEST_F(LeDoc, DamagedCountsAreBoundedByTheirFiles) {
    const QD_DOC_ARQ bom = empresa_.Doc(posicao_);
    struct Caso {
        const char* nome;
        std::uint32_t QD_DOC_ARQ::*campo;
        std::uint32_t valor;
        std::uint32_t dwFlags;
    };
    const Caso casos[] = {
        {"user count", &QD_DOC_ARQ::nQtdUsuarios, 0x7FFFFFFF, 0x1E},
        {"user count beyond 31 bits", &QD_DOC_ARQ::nQtdUsuarios, 0xFFFFFFF0, 0x1E},
        {"first user", &QD_DOC_ARQ::lPrimeiroUsuario, 0x7FFFFFFE, 0x1E},
        {"field count", &QD_DOC_ARQ::nQtdCampos, 0x40000000, 0x1D},
        {"description length", &QD_DOC_ARQ::nTamDescricao, 0x7FFFFFF0, 0x0F},
        {"description length beyond 31 bits", &QD_DOC_ARQ::nTamDescricao, 0xFFFFFFFF, 0x0F},
        {"description offset", &QD_DOC_ARQ::lPosDescricao, 0x10000, 0x0F},
    };
    for (const Caso& caso : casos) {
        QD_DOC_ARQ danificado = bom;
        danificado.*caso.campo = caso.valor;
        GravaRegistro(empresa_.Bind(), danificado, posicao_);
        CQDDoc doc;
        EXPECT_EQ(empresa_.Conexao().LeDoc(1, &posicao_, &doc, caso.dwFlags), kFimArquivo) << caso.nome;
        EXPECT_TRUE(NadaAlocado(doc.GetPS())) << caso.nome;
    }
}

// A document's link origins come in file order; removed links and other documents' links are
// left out, and a document linked to one origin twice shows it twice.
TEST_F(LeDoc, LinksComeInFileOrder) {
    const std::uint32_t outro = empresa_.Insere(Completo());
    empresa_.NovoVinculo(outro, 4, 1);
    const std::uint32_t removido = empresa_.NovoVinculo(posicao_, 5, 5);
    empresa_.NovoVinculo(posicao_, 2, 300);
    empresa_.NovoVinculo(posicao_, 9, 77);
    GravaRegistro(empresa_.Bind(), QD_VINCULO_DOC_ARQ{posicao_, 5, 5, QD_VINCULO_REMOVIDO}, removido);

    const std::uint32_t posicoes[] = {posicao_, outro};
    CQDDoc docs[2];
    ASSERT_EQ(empresa_.Conexao().LeDoc(2, posicoes, docs, 0x1B), platform::S_OK);
    using Origem = std::pair<std::uint32_t, std::uint32_t>;
    EXPECT_EQ(Origens(docs[0]), (std::vector<Origem>{{9, 77}, {2, 300}, {9, 77}}));
    EXPECT_EQ(Origens(docs[1]), (std::vector<Origem>{{4, 1}}));
    EXPECT_EQ(docs[0].GetPosicao(), posicao_);
}

// A deleted document reads like any other, flag 0x2 set, without the content it no longer has;
// so does a document stored without content (flag 0x4).
TEST_F(LeDoc, DeletedAndContentlessDocumentsReadWithoutContent) {
    DadosDoc semConteudo = Completo();
    semConteudo.dwFlags = 0x4;
    semConteudo.conteudo.clear();
    const std::uint32_t vazio = empresa_.Insere(semConteudo, 0xB);
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &posicao_), platform::S_OK);

    const std::uint32_t posicoes[] = {posicao_, vazio};
    CQDDoc docs[2];
    ASSERT_EQ(empresa_.Conexao().LeDoc(2, posicoes, docs, 0), platform::S_OK);
    EXPECT_EQ(docs[0]->dwFlags & 0x2, 0x2u);
    EXPECT_EQ(docs[0]->cbArquivo, 0u);
    EXPECT_EQ(Usuarios(docs[0]), Completo().usuarios);
    EXPECT_EQ(docs[1]->cbArquivo, 0u);
    EXPECT_EQ(Descricao(docs[1]), Completo().descricao);
}

// A document whose content file is missing although it should have one fails with the file
// error, not an empty content.
TEST_F(LeDoc, MissingContentOfALiveDocumentIsAFailure) {
    std::filesystem::remove(empresa_.Docs("0000001.pdf"));
    CQDDoc doc;
    EXPECT_EQ(empresa_.Conexao().LeDoc(1, &posicao_, &doc, 0),
              platform::HResultFromWin32(platform::ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(empresa_.Conexao().LeDoc(1, &posicao_, &doc, 0x8), platform::S_OK);
}

// Reading position 1 of an empty database fails with the end-of-file code.
TEST(LeDocVazio, FirstPositionOfAnEmptyDatabase) {
    EmpresaDocs empresa;
    const std::uint32_t posicao = 1;
    CQDDoc doc;
    EXPECT_EQ(empresa.Conexao().LeDoc(1, &posicao, &doc, 0), kFimArquivo);
    EXPECT_EQ(empresa.Conexao().LeDoc(0, nullptr, nullptr, 0), platform::S_OK);
}


// Guards the server against requests whose reply can never be sent (the stub would refuse it only
// after every content was in memory): reading stops once the reply passes one message, and then
// no entry keeps anything.
TEST_F(LeDoc, ReadingStopsWhenTheReplyPassesOneMessage) {
    DadosDoc grande;
    grande.conteudo = std::string(std::size_t{16} << 20, 'g');
    const std::uint32_t posicao = empresa_.Insere(grande);
    const struct {
        std::uint32_t qtd;
        std::uint32_t dwFlags;
        HRESULT esperado;
    } casos[] = {
        {3, 0, platform::S_OK},
        {4, 0, platform::E_OUTOFMEMORY},  // four contents of 16 MiB pass the message by 4 KiB
        {48, 0, platform::E_OUTOFMEMORY},
        {48, QD_LEDOC_SEM_CONTEUDO, platform::S_OK},
    };
    for (const auto& caso : casos) {
        const std::vector<std::uint32_t> posicoes(caso.qtd, posicao);
        std::vector<QD_DOC_PS> docs(caso.qtd);
        EXPECT_EQ(empresa_.Srv().LeDoc(caso.qtd, posicoes.data(), docs.data(), caso.dwFlags), caso.esperado) << caso.qtd;
        for (QD_DOC_PS& ps : docs) {
            if (caso.esperado != platform::S_OK) {
                EXPECT_TRUE(NadaAlocado(ps)) << caso.qtd;
            }
            platform::idl::Codec<QD_DOC_PS>::Free(ps);
        }
    }
}

// Guards against a count whose records alone pass one message: it is refused before any record is
// read (position 0 answers end of file once it is read).
TEST_F(LeDoc, CountsWhoseRecordsCannotFitAreRefusedFirst) {
    const struct {
        std::uint32_t qtd;
        HRESULT esperado;
    } casos[] = {
        {246'708, kFimArquivo},  // status, count and 246,708 records of 272 bytes fit
        {246'709, platform::E_OUTOFMEMORY},
    };
    for (const auto& caso : casos) {
        const std::vector<std::uint32_t> posicoes(caso.qtd, 0);
        std::vector<QD_DOC_PS> docs(caso.qtd);
        EXPECT_EQ(empresa_.Srv().LeDoc(caso.qtd, posicoes.data(), docs.data(), 0x1F), caso.esperado) << caso.qtd;
    }
}

}  // namespace
