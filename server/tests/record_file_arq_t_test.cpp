#include "server/record_file/qd_arq_t.h"

#include "platform/tests/support/test_environment.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/record_layout.h"
#include "server/record_file/zt_arq_bytes.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;
namespace fs = std::filesystem;

namespace {

// A layout of this test, bound by hand to a file of its own (not in the module's table).
#pragma pack(push, 1)
struct QD_TESTE_ARQ {
    std::uint32_t lFlags;
    char szNome[20];
};
// A layout bound through the table: it takes the record size of QDDISTIT.DAT.
struct QD_TESTE_ITEM_ARQ {
    std::uint32_t lValor;
};
#pragma pack(pop)
ZT_REGISTRO_TAMANHO(QD_TESTE_ARQ, 24);
ZT_REGISTRO_TAMANHO(QD_TESTE_ITEM_ARQ, 4);

// A layout bound to no file.
struct QD_SEM_ARQUIVO_ARQ {
    std::uint32_t lValor;
};

}  // namespace

template <>
struct QDArquivoDoRegistro<QD_TESTE_ARQ> {
    static constexpr const char* kNome = "QDTESTE.DAT";
};
QD_LIGA_REGISTRO_ARQUIVO(QD_TESTE_ITEM_ARQ, QD_ARQ_DISTRIBUICAO_ITEM);

// A layout without a file cannot be opened without naming one.
static_assert(!std::is_constructible_v<CQDArqT<QD_SEM_ARQUIVO_ARQ>, IQDArqBind&>);
static_assert(std::is_constructible_v<CQDArqT<QD_SEM_ARQUIVO_ARQ>, IQDArqBind&, const char*>);

namespace {

// The server object's side: the session's data directory, counting how often it is asked.
class BindTeste final : public IQDArqBind {
public:
    platform::HRESULT QueryInterface(const platform::IID&, void** object) override {
        *object = nullptr;
        return platform::E_NOINTERFACE;
    }
    platform::ULONG AddRef() override { return 1; }
    platform::ULONG Release() override { return 1; }
    CZTString GetDiretorio() override {
        ++perguntas;
        return CZTString(diretorio.c_str());
    }

    std::string diretorio;
    int perguntas = 0;
};

class CQDArqTTest : public ::testing::Test {
protected:
    CQDArqTTest() { bind_.diretorio = environment_.Folder().string(); }

    TestEnvironment environment_;
    BindTeste bind_;
};

}  // namespace

// The bound name joins the data directory with one separator, whether or not the directory ends
// with one, and the file holds records of the layout's size.
TEST_F(CQDArqTTest, OpensTheBoundFileInTheDataDirectoryWithTheLayoutsSize) {
    const std::string pasta = environment_.Folder().string();
    for (const std::string& diretorio : {pasta, pasta + "/"}) {
        bind_.diretorio = diretorio;
        CQDArqT<QD_TESTE_ARQ> arquivo(bind_);
        EXPECT_EQ(std::string(arquivo.GetCaminhoArquivo()), pasta + "/QDTESTE.DAT");
    }
    CQDArqT<QD_TESTE_ARQ> arquivo(bind_);
    ASSERT_EQ(arquivo.Open('G', true), 0);
    EXPECT_EQ(arquivo.GetTamanhoRegistro(), sizeof(QD_TESTE_ARQ));
    QD_TESTE_ARQ registro{7, "primeiro"};
    std::int32_t posicao = 0;
    ASSERT_EQ(arquivo.WriteRecord(&registro, posicao), 0);
    EXPECT_EQ(posicao, 1);
    arquivo.CloseEx();
    EXPECT_EQ(fs::file_size(environment_.Path("QDTESTE.DAT")), 2 * sizeof(QD_TESTE_ARQ));
}

// A layout bound through the module's table opens its table file with the table's record size.
TEST_F(CQDArqTTest, TableBoundLayoutOpensItsTableFile) {
    CQDArqT<QD_TESTE_ITEM_ARQ> arquivo(bind_);
    ASSERT_EQ(arquivo.Open('G', true), 0);
    EXPECT_EQ(arquivo.GetTamanhoRegistro(), QDTamanhoRegistro(QD_ARQ_DISTRIBUICAO_ITEM));
    EXPECT_EQ(ReadFile(environment_.Path(QD_ARQ_DISTRIBUICAO_ITEM)), std::string(4, '\0'));
}

// The directory is asked at every open: a file object opened again follows the session's
// directory, not the one it first saw.
TEST_F(CQDArqTTest, DirectoryIsAskedAtEveryOpen) {
    fs::create_directory(environment_.Path("outra"));
    CQDArqT<QD_TESTE_ARQ> arquivo(bind_);
    ASSERT_EQ(arquivo.Open('G', true), 0);
    arquivo.CloseEx();
    bind_.diretorio = environment_.Path("outra");
    ASSERT_EQ(arquivo.Open('G', true), 0);
    EXPECT_EQ(std::string(arquivo.GetCaminho()), environment_.Path("outra/QDTESTE.DAT"));
    EXPECT_TRUE(fs::exists(environment_.Path("outra/QDTESTE.DAT")));
    EXPECT_EQ(bind_.perguntas, 2);
}

// Without a session there is no data directory: nothing is opened or created anywhere (a bare
// file name would land in the server's working folder).
TEST_F(CQDArqTTest, NoDataDirectoryOpensNothing) {
    bind_.diretorio.clear();
    const fs::path antes = fs::current_path();
    fs::current_path(environment_.Folder());
    CQDArqT<QD_TESTE_ARQ> arquivo(bind_);
    EXPECT_EQ(arquivo.Open('G', true), ZT_ERR_ARQ_NOME_MODO);
    EXPECT_FALSE(arquivo.IsOpen());
    EXPECT_FALSE(fs::exists(environment_.Path("QDTESTE.DAT")));
    EXPECT_FALSE(fs::exists(environment_.Path("ZTCTLARQ.DAT")));
    fs::current_path(antes);
}

// Byte files take R = 1 and the name given; byte strings go in after the header byte.
TEST_F(CQDArqTTest, ByteFileUsesTheGivenNameAndRecordSize1) {
    CQDArqBytes arquivo(bind_, QD_ARQ_DOC_DESCRICAO);
    ASSERT_EQ(arquivo.Open('G', true), 0);
    EXPECT_EQ(arquivo.GetTamanhoRegistro(), 1u);
    std::int32_t offset = 0;
    ASSERT_EQ(ZTGravaBytesArq(arquivo, "texto", 5, 0, offset), 0);
    EXPECT_EQ(offset, 1);
    arquivo.CloseEx();
    EXPECT_EQ(ReadFile(environment_.Path(QD_ARQ_DOC_DESCRICAO)), std::string(1, '\0') + "texto");
}

// The temporary variant is the bound file with ".TMP": the real file is neither opened nor made.
TEST_F(CQDArqTTest, TempVariantOpensTheTmpFile) {
    CQDTempArqT<QD_TESTE_ARQ> arquivo(bind_);
    EXPECT_EQ(std::string(arquivo.GetCaminhoArquivo()), environment_.Path("QDTESTE.TMP"));
    ASSERT_EQ(arquivo.Open('G', true), 0);
    EXPECT_EQ(arquivo.GetTamanhoRegistro(), sizeof(QD_TESTE_ARQ));
    arquivo.CloseEx();
    EXPECT_EQ(fs::file_size(environment_.Path("QDTESTE.TMP")), sizeof(QD_TESTE_ARQ));
    EXPECT_FALSE(fs::exists(environment_.Path("QDTESTE.DAT")));
}
