#include "server/content/qd_encripta_docs.h"

#include "platform/text/codepage.h"
#include "platform/com/task_allocator.h"
#include "server/content/qd_conteudo_documento.h"
#include "server/content/zt_crypto.h"

#include "content_test_support.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using content_test::Bytes;
using content_test::EventLogRecorder;
using content_test::ReadBytes;
using content_test::WriteBytes;
using kelvo::testing::TestEnvironment;
using platform::HRESULT;

const char* const kNomes[] = {"0000001.pdf", "0000002.doc", "0000003.txt", "0000004.", "0000005.TIF"};

// The step of the third file that a test makes fail.
enum class Passo { nenhum, abre, le, converte, recria, tamanho };

// A content file object that fails the chosen step when it works on the chosen file.
class ArquivoComFalha final : public platform::File {
public:
    ArquivoComFalha(Passo passo, std::string alvo) : m_passo(passo), m_alvo(std::move(alvo)) {}

    bool Open(const platform::String& path, unsigned flags, platform::FileException* error) override {
        const bool ehAlvo = path.view().ends_with(m_alvo);
        const bool criando = (flags & modeCreate) != 0 && (flags & modeNoTruncate) == 0;
        if (ehAlvo && ((m_passo == Passo::abre && !criando) || (m_passo == Passo::recria && criando))) {
            if (error) *error = platform::FileException(platform::FileException::accessDenied, platform::ERROR_ACCESS_DENIED, path);
            return false;
        }
        m_ehAlvo = ehAlvo;
        return File::Open(path, flags, error);
    }
    unsigned Read(void* buffer, unsigned count) override {
        if (m_ehAlvo && m_passo == Passo::le) return 0;
        return File::Read(buffer, count);
    }
    void Write(const void* buffer, unsigned count) override {
        File::Write(buffer, m_ehAlvo && m_passo == Passo::tamanho && count > 0 ? count - 1 : count);
    }

private:
    Passo m_passo;
    std::string m_alvo;
    bool m_ehAlvo = false;
};

// The file layer with one failure at a chosen place, recording every copy it makes.
class ArquivosComFalha final : public CQDArquivosTroca {
public:
    std::unique_ptr<platform::File> NovoArquivo() override { return std::make_unique<ArquivoComFalha>(passo, alvo); }
    platform::FileError Copia(const CZTString& de, const CZTString& para) override {
        const std::string copia = fs::path(de.str()).parent_path().filename().string() + ">" + fs::path(para.str()).filename().string();
        copias.push_back(platform::Utf8FromAnsi(copia));
        if (falhaCopia && copias.size() == falhaCopia) return {platform::FileException::diskFull, platform::ERROR_DISK_FULL};
        return CQDArquivosTroca::Copia(de, para);
    }

    Passo passo = Passo::nenhum;
    std::string alvo = kNomes[2];
    size_t falhaCopia = 0;  // 1-based number of the copy that fails; 0: none
    std::vector<std::string> copias;
};

// A key object whose n-th object encryption or decryption fails.
class CryptoComFalha final : public CCrypto {
public:
    CryptoComFalha() : CCrypto(nullptr) {}
    bool EncryptObject(CZTSerializavel& objeto, CZTByteArray& cifra) override {
        return ++chamadas != falha && CCrypto::EncryptObject(objeto, cifra);
    }
    bool DecryptObject(const CZTByteArray& cifra, CZTSerializavel& objeto) override {
        return ++chamadas != falha && CCrypto::DecryptObject(cifra, objeto);
    }
    int chamadas = 0;
    int falha = 0;
};

class EncryptDocumentFilesTest : public ::testing::Test {
protected:
    EncryptDocumentFilesTest() {
        fs::create_directories(Docs());
        EXPECT_TRUE(m_crypto.SetKey(content_test::PassPhrase()));
    }

    fs::path Dados() const { return m_env.Folder() / "dados"; }
    fs::path Docs() const { return Dados() / "Docs"; }
    fs::path Backup() const { return Dados() / "BackupEncriptação"; }
    std::string Diretorio() const { return Dados().string(); }

    // Five plain contents, different in size and bytes (one empty, one of one byte).
    std::map<std::string, Bytes> CriaConteudos() {
        const size_t tamanhos[] = {300, 0, 1, 4096, 17};
        std::map<std::string, Bytes> conteudos;
        for (unsigned i = 0; i < 5; ++i) {
            conteudos[kNomes[i]] = content_test::Pattern(tamanhos[i], i + 1);
            WriteBytes(Docs() / kNomes[i], conteudos[kNomes[i]]);
        }
        return conteudos;
    }

    std::map<std::string, Bytes> Estado() const {
        std::map<std::string, Bytes> estado;
        for (const char* nome : kNomes) estado[nome] = ReadBytes(Docs() / nome);
        return estado;
    }

    Bytes Decifra(const Bytes& cifra) {
        CZTByteArray plano;
        EXPECT_TRUE(m_crypto.DecryptObject(CZTByteArray(cifra), plano));
        return plano.Bytes();
    }

    HRESULT Troca(bool encripta, CQDArquivosTroca* arquivos = nullptr, CCrypto* crypto = nullptr) {
        CQDEncriptacaoDocs troca(Diretorio().c_str(), crypto ? *crypto : m_crypto, nullptr, arquivos);
        const HRESULT hr = troca.EncryptDocumentFiles(encripta);
        troca.Confirma();
        return hr;
    }

    TestEnvironment m_env;
    CCrypto m_crypto{nullptr};
};

TEST_F(EncryptDocumentFilesTest, BackupFolderNameIsWindows1252) {
    CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto);
    EXPECT_EQ(troca.GetPastaBackup().str(), Diretorio() + "/BackupEncripta\xE7\xE3o");
    ASSERT_EQ(troca.EncryptDocumentFiles(true), platform::S_OK);
    EXPECT_TRUE(fs::is_directory(Backup()));  // the kernel sees it in UTF-8
}

TEST_F(EncryptDocumentFilesTest, SwitchingOnEncryptsEveryContentAndConfirmRemovesTheBackup) {
    const auto originais = CriaConteudos();
    {
        CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto);
        ASSERT_EQ(troca.EncryptDocumentFiles(true), platform::S_OK);
        EXPECT_TRUE(troca.IsPendente());
        // Until the properties are written the originals wait in the backup.
        for (const char* nome : kNomes) EXPECT_EQ(ReadBytes(Backup() / nome), originais.at(nome)) << nome;
        troca.Confirma();
        EXPECT_FALSE(troca.IsPendente());
    }
    EXPECT_FALSE(fs::exists(Backup()));
    for (const char* nome : kNomes) {
        const Bytes armazenado = ReadBytes(Docs() / nome);
        EXPECT_NE(armazenado, originais.at(nome)) << nome;
        EXPECT_EQ(Decifra(armazenado), originais.at(nome)) << nome;
    }
}

TEST_F(EncryptDocumentFilesTest, SwitchingOffAndOnAgainKeepsEveryContentEqual) {
    const auto originais = CriaConteudos();
    ASSERT_EQ(Troca(true), platform::S_OK);
    const auto encriptados = Estado();
    ASSERT_EQ(Troca(false), platform::S_OK);
    EXPECT_EQ(Estado(), originais);
    ASSERT_EQ(Troca(true), platform::S_OK);
    // The key form has no random part: the same content encrypts to the same bytes.
    EXPECT_EQ(Estado(), encriptados);
    // And what the document layer reads is still the original.
    const QDConteudoSessao sessao{Diretorio().c_str(), true, &m_crypto};
    void* buffer = nullptr;
    std::uint32_t tamanho = 0;
    ASSERT_EQ(QDLeConteudoDocumento(sessao, 1, "nota.pdf", &buffer, &tamanho), platform::S_OK);
    EXPECT_EQ(Bytes(static_cast<std::uint8_t*>(buffer), static_cast<std::uint8_t*>(buffer) + tamanho), originais.at(kNomes[0]));
    platform::CoTaskMemFree(buffer);
}

TEST_F(EncryptDocumentFilesTest, EmptyContentFolderMakesAndRemovesTheBackupOnly) {
    CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto);
    ASSERT_EQ(troca.EncryptDocumentFiles(true), platform::S_OK);
    EXPECT_TRUE(fs::is_directory(Backup()));
    troca.Confirma();
    EXPECT_FALSE(fs::exists(Backup()));
    EXPECT_TRUE(fs::is_empty(Docs()));
}

TEST_F(EncryptDocumentFilesTest, FoldersAndHiddenFilesAreNotContents) {
    const auto originais = CriaConteudos();
    fs::create_directory(Docs() / "sub");
    WriteBytes(Docs() / ".oculto", Bytes{1, 2, 3});
    ASSERT_EQ(Troca(true), platform::S_OK);
    EXPECT_EQ(ReadBytes(Docs() / ".oculto"), (Bytes{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(Docs() / "sub"));
}

TEST_F(EncryptDocumentFilesTest, MissingContentFolderHasNothingToConvert) {
    fs::remove(Docs());
    EXPECT_EQ(Troca(true), platform::S_OK);
    EXPECT_FALSE(fs::exists(Backup()));
}

// A failure on the third of five files: the first three come back from the backup, the last two
// were never touched, and the backup is gone.
TEST_F(EncryptDocumentFilesTest, FailureOnTheThirdFileRestoresWhatWasTouched) {
    struct Caso {
        const char* nome;
        Passo passo;
        HRESULT esperado;
    } casos[] = {
        {"open", Passo::abre, QD_E_ENCRIPTA_ABRE},
        {"short read", Passo::le, QD_E_ENCRIPTA_LE},
        {"encryption", Passo::converte, QD_E_ENCRIPTA_CONVERTE},
        {"re-create", Passo::recria, QD_E_ENCRIPTA_RECRIA},
        {"length", Passo::tamanho, QD_E_ENCRIPTA_TAMANHO},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        fs::remove_all(Docs());
        const auto originais = CriaConteudos();
        ArquivosComFalha arquivos;
        arquivos.passo = caso.passo;
        CryptoComFalha crypto;
        crypto.falha = caso.passo == Passo::converte ? 3 : 0;
        ASSERT_TRUE(crypto.SetKey(content_test::PassPhrase()));
        EXPECT_EQ(Troca(true, &arquivos, &crypto), caso.esperado);
        EXPECT_EQ(Estado(), originais);
        EXPECT_FALSE(fs::exists(Backup()));
        const std::vector<std::string> copias = {
            "Docs>0000001.pdf", "Docs>0000002.doc", "Docs>0000003.txt", "Docs>0000004.", "Docs>0000005.TIF",
            "BackupEncriptação>0000001.pdf", "BackupEncriptação>0000002.doc", "BackupEncriptação>0000003.txt"};
        EXPECT_EQ(arquivos.copias, copias);
        // The two before the failure really were converted before they came back.
        EXPECT_EQ(crypto.chamadas, caso.passo == Passo::abre || caso.passo == Passo::le ? 2 : 3);
    }
}

TEST_F(EncryptDocumentFilesTest, DecryptingAContentThatIsNotEncryptedStopsTheSwitchOff) {
    CriaConteudos();
    ASSERT_EQ(Troca(true), platform::S_OK);
    WriteBytes(Docs() / kNomes[2], Bytes{'n', 'a', 'o', ' ', 'c', 'i', 'f', 'r'});
    const auto antes = Estado();
    EXPECT_EQ(Troca(false), QD_E_ENCRIPTA_CONVERTE);
    EXPECT_EQ(Estado(), antes);
    EXPECT_FALSE(fs::exists(Backup()));
}

TEST_F(EncryptDocumentFilesTest, FailedCopyIntoTheBackupChangesNothing) {
    const auto originais = CriaConteudos();
    ArquivosComFalha arquivos;
    arquivos.falhaCopia = 3;
    EXPECT_EQ(Troca(true, &arquivos), QD_E_ENCRIPTA_BACKUP);
    EXPECT_EQ(Estado(), originais);
    EXPECT_FALSE(fs::exists(Backup()));
}

// Guards against deleting the one good copy of a content when copying it back fails.
TEST_F(EncryptDocumentFilesTest, FailedRestoreKeepsTheBackupAndSaysSo) {
    const auto originais = CriaConteudos();
    EventLogRecorder registro;
    ArquivosComFalha arquivos;
    arquivos.passo = Passo::recria;
    arquivos.falhaCopia = 6;  // the first copy back
    EXPECT_EQ(Troca(true, &arquivos), platform::HResultFromWin32(platform::ERROR_DISK_FULL));
    ASSERT_TRUE(fs::is_directory(Backup()));
    for (const char* nome : kNomes) EXPECT_EQ(ReadBytes(Backup() / nome), originais.at(nome)) << nome;
    // The other files touched were still copied back.
    EXPECT_EQ(ReadBytes(Docs() / kNomes[1]), originais.at(kNomes[1]));
    ASSERT_EQ(registro.entries.size(), 1u);
    EXPECT_EQ(registro.entries[0].type, platform::EVENTLOG_ERROR_TYPE);
    EXPECT_NE(registro.Text().find(Backup().string()), std::string::npos);

    // A backup that holds files is never overwritten by the next switch.
    EXPECT_EQ(Troca(true), platform::HResultFromWin32(platform::ERROR_DIR_NOT_EMPTY));
    for (const char* nome : kNomes) EXPECT_EQ(ReadBytes(Backup() / nome), originais.at(nome)) << nome;
}

TEST_F(EncryptDocumentFilesTest, UndoBringsBackEveryContent) {
    const auto originais = CriaConteudos();
    CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto);
    ASSERT_EQ(troca.EncryptDocumentFiles(true), platform::S_OK);
    ASSERT_NE(Estado(), originais);
    EXPECT_EQ(troca.Desfaz(), platform::S_OK);
    EXPECT_FALSE(troca.IsPendente());
    EXPECT_EQ(Estado(), originais);
    EXPECT_FALSE(fs::exists(Backup()));
    // Once ended, a switch object does not start again.
    EXPECT_EQ(troca.EncryptDocumentFiles(true), platform::E_UNEXPECTED);
}

// Guards against contents and property disagreeing when the caller fails after the conversion.
TEST_F(EncryptDocumentFilesTest, SwitchNeverConfirmedIsUndone) {
    const auto originais = CriaConteudos();
    {
        CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto);
        ASSERT_EQ(troca.EncryptDocumentFiles(true), platform::S_OK);
    }
    EXPECT_EQ(Estado(), originais);
    EXPECT_FALSE(fs::exists(Backup()));
}

TEST_F(EncryptDocumentFilesTest, BackupFolderThatCannotBeUsed) {
    const auto originais = CriaConteudos();
    // An empty folder left from before is fine.
    fs::create_directory(Backup());
    EXPECT_EQ(Troca(true), platform::S_OK);
    ASSERT_EQ(Troca(false), platform::S_OK);
    EXPECT_EQ(Estado(), originais);
    // A file holding the name is not.
    WriteBytes(Backup(), Bytes{1});
    EXPECT_EQ(Troca(true), platform::HResultFromWin32(platform::ERROR_ALREADY_EXISTS));
    EXPECT_EQ(Estado(), originais);
    // Nor is a data directory that is not there.
    CQDEncriptacaoDocs semDiretorio("", m_crypto);
    EXPECT_EQ(semDiretorio.EncryptDocumentFiles(true), platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
}

// A list of contents given by the caller is converted in its order.
class ListaFixa final : public IQDListaConteudos {
public:
    explicit ListaFixa(std::vector<CZTString> nomes, HRESULT hr = platform::S_OK) : m_nomes(std::move(nomes)), m_hr(hr) {}
    HRESULT ListaConteudos(std::vector<CZTString>& nomes) override {
        nomes = m_nomes;
        return m_hr;
    }

private:
    std::vector<CZTString> m_nomes;
    HRESULT m_hr;
};

TEST_F(EncryptDocumentFilesTest, ListedContentThatIsMissingFailsTheBackupCopy) {
    const auto originais = CriaConteudos();
    ListaFixa lista({kNomes[0], "0000009.pdf"});
    CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto, &lista);
    // The missing one cannot even be copied into the backup.
    EXPECT_EQ(troca.EncryptDocumentFiles(true), QD_E_ENCRIPTA_BACKUP);
    EXPECT_EQ(Estado(), originais);
}

TEST_F(EncryptDocumentFilesTest, ListingFailureIsReportedAndChangesNothing) {
    const auto originais = CriaConteudos();
    ListaFixa lista({}, platform::HResultFromWin32(platform::ERROR_ACCESS_DENIED));
    CQDEncriptacaoDocs troca(Diretorio().c_str(), m_crypto, &lista);
    EXPECT_EQ(troca.EncryptDocumentFiles(true), platform::HResultFromWin32(platform::ERROR_ACCESS_DENIED));
    EXPECT_EQ(Estado(), originais);
    EXPECT_FALSE(fs::exists(Backup()));
}

}  // namespace
