#include "server/content/qd_arquivo_conteudo.h"

#include "platform/com/task_allocator.h"

#include "content_test_support.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using content_test::Bytes;
using content_test::BytesOf;
using content_test::ReadBytes;
using content_test::WriteBytes;
using kelvo::testing::TestEnvironment;
using platform::HResultFromWin32;

constexpr platform::HRESULT kSharing = HResultFromWin32(platform::ERROR_SHARING_VIOLATION);

TEST(QDAbreArquivoConteudo, ModeLetters) {
    TestEnvironment env;
    const std::string caminho = env.Path("0000001.pdf");
    platform::File arquivo;
    EXPECT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'X', arquivo), platform::E_INVALIDARG);
    EXPECT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'l', arquivo), platform::E_INVALIDARG);
    // Reading needs the file; writing makes it.
    EXPECT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'L', arquivo), HResultFromWin32(platform::ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(arquivo.IsOpen());
    ASSERT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'G', arquivo), platform::S_OK);
    arquivo.Close();
    EXPECT_TRUE(std::filesystem::exists(caminho));
    EXPECT_EQ(QDAbreArquivoConteudo(env.Path("falta/x.pdf").c_str(), 'G', arquivo), HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
}

TEST(QDAbreArquivoConteudo, WritingKeepsAnExistingFileUntilItIsWritten) {
    TestEnvironment env;
    const std::string caminho = env.Path("0000001.pdf");
    WriteBytes(caminho, BytesOf("conteudo antigo"));
    platform::File arquivo;
    ASSERT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'G', arquivo), platform::S_OK);
    arquivo.Close();
    EXPECT_EQ(ReadBytes(caminho), BytesOf("conteudo antigo"));
}

// A writer fails at once while anyone has the file; readers share it with readers only.
TEST(QDAbreArquivoConteudo, ShareRules) {
    TestEnvironment env;
    const std::string caminho = env.Path("0000001.pdf");
    WriteBytes(caminho, BytesOf("x"));
    struct Caso {
        char primeiro;
        char segundo;
        platform::HRESULT esperado;
    } casos[] = {{'L', 'L', platform::S_OK}, {'L', 'G', kSharing}, {'G', 'L', kSharing}, {'G', 'G', kSharing}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(1, caso.primeiro) + caso.segundo);
        platform::File primeiro;
        platform::File segundo;
        ASSERT_EQ(QDAbreArquivoConteudo(caminho.c_str(), caso.primeiro, primeiro), platform::S_OK);
        EXPECT_EQ(QDAbreArquivoConteudo(caminho.c_str(), caso.segundo, segundo), caso.esperado);
    }
}

TEST(QDLeArquivoConteudo, ReadsTheWholeFileIntoATaskBuffer) {
    TestEnvironment env;
    for (const size_t tamanho : {0u, 1u, 5000u}) {
        const std::string caminho = env.Path("c" + std::to_string(tamanho));
        const Bytes conteudo = content_test::Pattern(tamanho, 2);
        WriteBytes(caminho, conteudo);
        platform::File arquivo;
        ASSERT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'L', arquivo), platform::S_OK);
        arquivo.Seek(0, platform::File::end);  // the read starts at the beginning whatever the position
        void* buffer = nullptr;
        std::uint32_t lidos = 99;
        ASSERT_EQ(QDLeArquivoConteudo(arquivo, &buffer, &lidos), platform::S_OK);
        ASSERT_NE(buffer, nullptr);
        EXPECT_EQ(lidos, tamanho);
        EXPECT_EQ(Bytes(static_cast<std::uint8_t*>(buffer), static_cast<std::uint8_t*>(buffer) + lidos), conteudo);
        platform::CoTaskMemFree(buffer);
    }
}

// A file that ends before its length says: half the bytes, then nothing.
class ArquivoCurto final : public platform::File {
public:
    unsigned Read(void* buffer, unsigned count) override {
        if (m_lidos) return 0;
        m_lidos = true;
        return File::Read(buffer, count / 2);
    }

private:
    bool m_lidos = false;
};

TEST(QDLeArquivoConteudo, ShortReadHandsOutNothing) {
    TestEnvironment env;
    const std::string caminho = env.Path("c");
    WriteBytes(caminho, BytesOf("abcdef"));
    ArquivoCurto arquivo;
    ASSERT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'L', arquivo), platform::S_OK);
    void* buffer = reinterpret_cast<void*>(1);
    std::uint32_t lidos = 9;
    EXPECT_EQ(QDLeArquivoConteudo(arquivo, &buffer, &lidos), HResultFromWin32(platform::ERROR_HANDLE_EOF));
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(lidos, 0u);
}

TEST(QDGravaArquivoConteudo, WritesFromTheStartAndCutsTheRest) {
    TestEnvironment env;
    const std::string caminho = env.Path("c");
    WriteBytes(caminho, BytesOf("um conteudo longo"));
    platform::File arquivo;
    ASSERT_EQ(QDAbreArquivoConteudo(caminho.c_str(), 'G', arquivo), platform::S_OK);
    arquivo.Seek(4, platform::File::begin);
    const Bytes novo = BytesOf("curto");
    ASSERT_EQ(QDGravaArquivoConteudo(arquivo, novo.data(), novo.size()), platform::S_OK);
    arquivo.Close();
    EXPECT_EQ(ReadBytes(caminho), novo);
}

TEST(QDApagaArquivoConteudo, DeletesOrReportsWhy) {
    TestEnvironment env;
    const std::string caminho = env.Path("c");
    WriteBytes(caminho, BytesOf("x"));
    EXPECT_EQ(QDApagaArquivoConteudo(caminho.c_str()), platform::S_OK);
    EXPECT_FALSE(std::filesystem::exists(caminho));
    EXPECT_EQ(QDApagaArquivoConteudo(caminho.c_str()), HResultFromWin32(platform::ERROR_FILE_NOT_FOUND));
}

}  // namespace
