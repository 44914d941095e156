#include "server/content/qd_conteudo_documento.h"

#include "platform/com/task_allocator.h"
#include "platform/crypto/crypto.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/content/zt_crypto.h"

#include "content_test_support.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using content_test::Bytes;
using content_test::Pattern;
using content_test::ReadBytes;
using content_test::WriteBytes;
using kelvo::testing::TestEnvironment;
using platform::HResultFromWin32;

class ConteudoDocumento : public ::testing::Test {
protected:
    ConteudoDocumento() : m_crypto(nullptr) {
        fs::create_directories(m_env.Folder() / "dados" / "Docs");
        EXPECT_TRUE(m_crypto.SetKey(content_test::PassPhrase()));
    }

    QDConteudoSessao Sessao(bool encriptado) {
        return {m_env.Path("dados").c_str(), encriptado, encriptado ? &m_crypto : nullptr};
    }

    platform::HRESULT Le(const QDConteudoSessao& sessao, std::uint32_t posicao, const char* original, Bytes& bytes) {
        void* buffer = reinterpret_cast<void*>(1);
        std::uint32_t tamanho = 77;
        const platform::HRESULT hr = QDLeConteudoDocumento(sessao, posicao, original, &buffer, &tamanho);
        if (platform::FAILED(hr)) {
            EXPECT_EQ(buffer, nullptr);
            EXPECT_EQ(tamanho, 0u);
            return hr;
        }
        const auto* inicio = static_cast<const std::uint8_t*>(buffer);
        bytes.assign(inicio, inicio + tamanho);
        platform::CoTaskMemFree(buffer);
        return hr;
    }

    fs::path Arquivo(const char* nome) const { return m_env.Folder() / "dados" / "Docs" / nome; }

    TestEnvironment m_env;
    CCrypto m_crypto;
};

TEST_F(ConteudoDocumento, PlainContentIsStoredAsItsBytes) {
    const Bytes conteudo = Pattern(300, 4);
    ASSERT_EQ(QDGravaConteudoDocumento(Sessao(false), 46656, "c:\\x\\scan.TIF", conteudo.data(), 300), platform::S_OK);
    EXPECT_EQ(ReadBytes(Arquivo("0001000.TIF")), conteudo);
    Bytes lido;
    ASSERT_EQ(Le(Sessao(false), 46656, "c:\\x\\scan.TIF", lido), platform::S_OK);
    EXPECT_EQ(lido, conteudo);
}

// Guards against contents of 0 or 1 bytes that could not be encrypted, and against a stored
// file that still shows the plain bytes.
TEST_F(ConteudoDocumento, EncryptedContentIsNotPlainAndReadsBackEqual) {
    for (const std::uint32_t tamanho : {0u, 1u, 7u, 8u, 1000u, 70000u}) {
        SCOPED_TRACE(tamanho);
        const Bytes conteudo = Pattern(tamanho, tamanho);
        ASSERT_EQ(QDGravaConteudoDocumento(Sessao(true), 1, "nota.pdf", conteudo.data(), tamanho), platform::S_OK);
        const Bytes armazenado = ReadBytes(Arquivo("0000001.pdf"));
        const size_t serializado = (tamanho < 0xFFFF ? 2 : 6) + tamanho;
        EXPECT_EQ(armazenado.size(), platform::Rc2Key::EncryptedLength(serializado));
        if (tamanho >= 8) {
            EXPECT_EQ(std::search(armazenado.begin(), armazenado.end(), conteudo.begin(), conteudo.begin() + 8), armazenado.end());
        }
        Bytes lido = {1};
        ASSERT_EQ(Le(Sessao(true), 1, "nota.pdf", lido), platform::S_OK);
        EXPECT_EQ(lido, conteudo);
    }
}

TEST_F(ConteudoDocumento, RewritingAShorterContentCutsTheFile) {
    const Bytes longo = Pattern(500, 1);
    const Bytes curto = Pattern(3, 2);
    ASSERT_EQ(QDGravaConteudoDocumento(Sessao(true), 2, "a.doc", longo.data(), 500), platform::S_OK);
    ASSERT_EQ(QDGravaConteudoDocumento(Sessao(true), 2, "a.doc", curto.data(), 3), platform::S_OK);
    Bytes lido;
    ASSERT_EQ(Le(Sessao(true), 2, "a.doc", lido), platform::S_OK);
    EXPECT_EQ(lido, curto);
}

TEST_F(ConteudoDocumento, ContentThatDoesNotDecryptIsAFailure) {
    WriteBytes(Arquivo("0000003.txt"), Bytes{'p', 'l', 'a', 'n', 'o', '!', '!', '!'});
    WriteBytes(Arquivo("0000004.txt"), Bytes{'i', 'm', 'p', 'a', 'r'});
    Bytes lido;
    const platform::HRESULT hr = Le(Sessao(true), 3, "x.txt", lido);
    EXPECT_TRUE(hr == static_cast<platform::HRESULT>(platform::NTE_BAD_DATA) || hr == HResultFromWin32(platform::ERROR_INVALID_DATA)) << std::hex << hr;
    EXPECT_EQ(Le(Sessao(true), 4, "x.txt", lido), static_cast<platform::HRESULT>(platform::NTE_BAD_DATA));
}

TEST_F(ConteudoDocumento, SessionWithoutWhatItNeeds) {
    const Bytes conteudo = {1, 2};
    QDConteudoSessao semChave = Sessao(true);
    semChave.pCrypto = nullptr;
    Bytes lido;
    // Encryption on but no key object: never fall back to writing plain bytes.
    EXPECT_EQ(QDGravaConteudoDocumento(semChave, 1, "a.pdf", conteudo.data(), 2), platform::E_UNEXPECTED);
    EXPECT_FALSE(fs::exists(Arquivo("0000001.pdf")));
    EXPECT_EQ(Le(semChave, 1, "a.pdf", lido), platform::E_UNEXPECTED);
    const QDConteudoSessao semDiretorio{"", false, nullptr};
    EXPECT_EQ(QDGravaConteudoDocumento(semDiretorio, 1, "a.pdf", conteudo.data(), 2), HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(Le(semDiretorio, 1, "a.pdf", lido), HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(QDGravaConteudoDocumento(Sessao(false), 1, "a.pdf", nullptr, 2), platform::E_POINTER);
    EXPECT_EQ(Le(Sessao(false), 9, "a.pdf", lido), HResultFromWin32(platform::ERROR_FILE_NOT_FOUND));
}

TEST_F(ConteudoDocumento, WithoutAKeyEncryptionFailsBeforeTheFileIsTouched) {
    CCrypto semChave(nullptr);
    const QDConteudoSessao sessao{m_env.Path("dados").c_str(), true, &semChave};
    const Bytes conteudo = {1, 2};
    EXPECT_EQ(QDGravaConteudoDocumento(sessao, 1, "a.pdf", conteudo.data(), 2), static_cast<platform::HRESULT>(platform::NTE_BAD_KEY));
    EXPECT_FALSE(fs::exists(Arquivo("0000001.pdf")));
}

// Guards against writing a content anywhere but directly in "Docs".
TEST_F(ConteudoDocumento, HostileOriginalNamesStayInDocs) {
    const std::string hostis[] = {"x./../../fora", "x.\\..\\fora", "../../fora.txt", std::string("a.\0/../fora", 11)};
    const Bytes conteudo = {7};
    std::uint32_t posicao = 10;
    for (const std::string& original : hostis) {
        ASSERT_EQ(QDGravaConteudoDocumento(Sessao(false), posicao++, original, conteudo.data(), 1), platform::S_OK) << original;
    }
    int arquivos = 0;
    for (const auto& entrada : fs::recursive_directory_iterator(m_env.Folder())) {
        if (!entrada.is_regular_file()) continue;
        ++arquivos;
        EXPECT_EQ(entrada.path().parent_path(), m_env.Folder() / "dados" / "Docs") << entrada.path();
    }
    EXPECT_EQ(arquivos, 4);
}

TEST_F(ConteudoDocumento, DeleteRemovesTheContentFile) {
    const Bytes conteudo = {1};
    ASSERT_EQ(QDGravaConteudoDocumento(Sessao(false), 5, "a.pdf", conteudo.data(), 1), platform::S_OK);
    EXPECT_EQ(QDApagaConteudoDocumento(Sessao(false), 5, "a.pdf"), platform::S_OK);
    EXPECT_FALSE(fs::exists(Arquivo("0000005.pdf")));
    EXPECT_EQ(QDApagaConteudoDocumento(Sessao(false), 5, "a.pdf"), HResultFromWin32(platform::ERROR_FILE_NOT_FOUND));
}

}  // namespace
