// A document's content written to a file: CQDDoc::SaveToFile, and
// CConexaoGedSrv::SaveDocToFile into the user's temporary folder (its name, the read-only mark,
// a file in use, a paper document, failures), against a stand-in server.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/tests/pendora_docs_falsos.h"
#include "platform/text/codepage.h"
#include "platform/file/file.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::HRESULT;
using pendora::testing::DocsFalsos;
using server::idl::testing::RecordingServer;

constexpr HRESULT kEmUso = platform::MakeHResult(0x80070020);
constexpr HRESULT kPastaNaoEncontrada = platform::MakeHResult(0x80070003);
constexpr HRESULT kArquivoNaoEncontrado = platform::MakeHResult(0x80070002);

// The permission bits of a file, or -1 when it cannot be read.
int Modo(const fs::path& arquivo) {
    struct stat st {};
    if (::stat(arquivo.c_str(), &st) != 0) return -1;
    return static_cast<int>(st.st_mode & 07777);
}

std::int64_t TempoDeEscrita(const fs::path& arquivo) {
    struct stat st {};
    if (::stat(arquivo.c_str(), &st) != 0) return -1;
    return st.st_mtime;
}

// The names in a folder.
std::set<std::string> Nomes(const fs::path& pasta) {
    std::set<std::string> nomes;
    for (const auto& entrada : fs::directory_iterator(pasta)) nomes.insert(entrada.path().filename().string());
    return nomes;
}

// Runs `corpo` in a child process and gives its exit code (-1 when it did not exit normally).
int NoFilho(const std::function<int()>& corpo) {
    const pid_t filho = ::fork();
    if (filho == 0) ::_exit(corpo());
    int estado = 0;
    if (filho < 0 || ::waitpid(filho, &estado, 0) != filho || !WIFEXITED(estado)) return -1;
    return WEXITSTATUS(estado);
}

// A document object holding `conteudo` as its content bytes.
CQDDoc DocCom(const std::string& conteudo) {
    CQDDoc doc;
    doc->cbArquivo = static_cast<std::uint32_t>(conteudo.size());
    doc->pArquivo = static_cast<std::uint8_t*>(platform::CoTaskMemAlloc(conteudo.size() + 1));
    std::memcpy(doc->pArquivo, conteudo.data(), conteudo.size());
    return doc;
}

class SaveToFile : public ::testing::Test {
protected:
    kelvo::testing::TestEnvironment ambiente_;
};

// Missing paths and a count without bytes are refused without creating anything.
TEST_F(SaveToFile, BadArgumentsAreRefused) {
    CQDDoc doc = DocCom("abc");
    EXPECT_EQ(doc.SaveToFile(nullptr), platform::E_INVALIDARG);
    EXPECT_EQ(doc.SaveToFile(""), platform::E_INVALIDARG);
    CQDDoc semBytes;
    semBytes->cbArquivo = 3;
    EXPECT_EQ(semBytes.SaveToFile(ambiente_.Path("x").c_str()), platform::E_POINTER);
    semBytes->cbArquivo = 0;
    EXPECT_FALSE(fs::exists(ambiente_.Path("x")));
}

// Every byte is written as it is (NULs and high bytes included), and an existing longer file
// keeps nothing of its old content; no content makes an empty file.
TEST_F(SaveToFile, WritesExactlyTheContent) {
    const std::string arquivo = ambiente_.Path("copia.bin");
    kelvo::testing::WriteFile(arquivo, std::string(100, 'z'));
    const std::string bytes("a\0b\xFF\r\n", 6);
    ASSERT_EQ(DocCom(bytes).SaveToFile(arquivo.c_str()), platform::S_OK);
    EXPECT_EQ(kelvo::testing::ReadFile(arquivo), bytes);

    ASSERT_EQ(CQDDoc().SaveToFile(arquivo.c_str()), platform::S_OK);
    EXPECT_TRUE(fs::exists(arquivo));
    EXPECT_EQ(fs::file_size(arquivo), 0u);
}

// A missing folder is the file layer's "path not found".
TEST_F(SaveToFile, MissingFolderIsPathNotFound) {
    EXPECT_EQ(DocCom("x").SaveToFile(ambiente_.Path("falta/copia.bin").c_str()), kPastaNaoEncontrada);
}

// A write that fails half-way (here the process may not write files beyond 1 KB) leaves no cut
// file behind that would later open as if it were the whole content; within the limit it works.
TEST_F(SaveToFile, FailedWriteLeavesNoFile) {
    const std::string arquivo = ambiente_.Path("cortado.bin");
    const auto salvaComLimite = [&](std::size_t tamanho) {
        return NoFilho([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{1024, 1024};
            if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) return 10;
            const HRESULT hr = DocCom(std::string(tamanho, 'q')).SaveToFile(arquivo.c_str());
            if (platform::SUCCEEDED(hr)) return fs::exists(arquivo) ? 0 : 11;
            return fs::exists(arquivo) ? 12 : 1;
        });
    };
    EXPECT_EQ(salvaComLimite(8192), 1);
    EXPECT_FALSE(fs::exists(arquivo));
    EXPECT_EQ(salvaComLimite(512), 0);
    EXPECT_EQ(fs::file_size(arquivo), 512u);
}

class SaveDocToFile : public ::testing::Test {
protected:
    void SetUp() override {
        temp_ = ambiente_.Folder() / "temp";
        fs::create_directories(temp_);
        if (const char* anterior = std::getenv("TMPDIR")) tmpdirAnterior_ = anterior;
        ::setenv("TMPDIR", temp_.c_str(), 1);
        conexao_.SetInterface(&servidor_);
    }
    void TearDown() override {
        if (tmpdirAnterior_) {
            ::setenv("TMPDIR", tmpdirAnterior_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
        // Read-only copies must not keep the scratch folder from being removed.
        for (const auto& entrada : fs::directory_iterator(temp_)) {
            std::error_code ignorado;
            fs::permissions(entrada.path(), fs::perms::owner_all, fs::perm_options::add, ignorado);
        }
    }

    // The path that SaveDocToFile should give for a file named `nome` (Windows-1252).
    std::string Esperado(const std::string& nome) const { return temp_.string() + "/" + nome; }

    kelvo::testing::TestEnvironment ambiente_;
    kelvo::testing::RecordedBoxes caixas_;
    RecordingServer servidor_;
    DocsFalsos base_{servidor_};
    CSilentConexaoGedSrv conexao_;
    fs::path temp_;
    std::optional<std::string> tmpdirAnterior_;
};

// The content lands in the temporary folder under the document's name; the document is read
// once, alone, with only its content (users, fields, links and description left out); the time
// given is the written file's.
TEST_F(SaveDocToFile, WritesTheContentIntoTheTemporaryFolder) {
    base_.docs[12] = {0, "Contrato.pdf", std::string("%PDF\0\xFF fim", 10), "texto", {1, 2}};
    CZTString caminho("lixo");
    std::int64_t tempo = -1;

    ASSERT_EQ(conexao_.SaveDocToFile(12, caminho, false, &tempo), platform::S_OK);
    EXPECT_EQ(caminho.str(), Esperado("Contrato.pdf"));
    EXPECT_EQ(kelvo::testing::ReadFile(caminho.str()), base_.docs[12].conteudo);
    EXPECT_EQ(tempo, TempoDeEscrita(caminho.str()));
    EXPECT_NE(Modo(caminho.str()) & 0200, 0);
    ASSERT_EQ(base_.leituras.size(), 1u);
    EXPECT_EQ(base_.leituras[0].posicoes, std::vector<std::uint32_t>{12});
    EXPECT_EQ(base_.leituras[0].dwFlags, 0x17u);
}

// Asked read-only, the copy is left with mode 0444; the time pointer may be absent.
TEST_F(SaveDocToFile, ReadOnlyCopyHasMode0444) {
    base_.docs[3] = {0, "so_leitura.txt", "conteudo", "", {}};
    CZTString caminho;
    ASSERT_EQ(conexao_.SaveDocToFile(3, caminho, true), platform::S_OK);
    EXPECT_EQ(Modo(caminho.str()), 0444);
    EXPECT_EQ(kelvo::testing::ReadFile(caminho.str()), "conteudo");
}

// A read-only copy from before is replaced whole, and its read-only mark follows the new request
// both ways (a copy asked writable must not stay read-only).
TEST_F(SaveDocToFile, ExistingReadOnlyFileIsReplaced) {
    base_.docs[1] = {0, "mesmo.txt", "conteudo antigo e longo", "", {}};
    base_.docs[2] = {0, "mesmo.txt", "novo", "", {}};
    CZTString caminho;
    ASSERT_EQ(conexao_.SaveDocToFile(1, caminho, true), platform::S_OK);
    ASSERT_EQ(Modo(caminho.str()), 0444);

    ASSERT_EQ(conexao_.SaveDocToFile(2, caminho, false), platform::S_OK);
    EXPECT_EQ(kelvo::testing::ReadFile(caminho.str()), "novo");
    EXPECT_NE(Modo(caminho.str()) & 0200, 0);

    ASSERT_EQ(conexao_.SaveDocToFile(1, caminho, true), platform::S_OK);
    EXPECT_EQ(kelvo::testing::ReadFile(caminho.str()), "conteudo antigo e longo");
    EXPECT_EQ(Modo(caminho.str()), 0444);
}

// A file that another open holds (deny-write, or merely reading) is "in use": nothing is
// written, no path or time is given, a read-only file stays read-only; once it is closed the
// copy is written.
TEST_F(SaveDocToFile, FileHeldOpenIsInUse) {
    const unsigned compartilhamentos[] = {platform::File::shareDenyWrite, platform::File::shareDenyNone,
                                          platform::File::shareExclusive};
    base_.docs[8] = {0, "aberto.txt", "novo", "", {}};
    const std::string arquivo = Esperado("aberto.txt");
    for (const bool somenteLeitura : {false, true}) {
        for (const unsigned compartilhamento : compartilhamentos) {
            SCOPED_TRACE(::testing::Message() << "share " << compartilhamento << " read-only " << somenteLeitura);
            fs::remove(arquivo);
            kelvo::testing::WriteFile(arquivo, "antigo");
            if (somenteLeitura) fs::permissions(arquivo, fs::perms(0444));
            {
                platform::File outro;
                ASSERT_TRUE(outro.Open(arquivo.c_str(), platform::File::modeRead | compartilhamento));
                CZTString caminho("lixo");
                std::int64_t tempo = -1;
                EXPECT_EQ(conexao_.SaveDocToFile(8, caminho, false, &tempo), kEmUso);
                EXPECT_TRUE(caminho.IsEmpty());
                EXPECT_EQ(tempo, 0);
                EXPECT_EQ(kelvo::testing::ReadFile(arquivo), "antigo");
                if (somenteLeitura) {
                    EXPECT_EQ(Modo(arquivo), 0444);
                }
            }
            CZTString caminho;
            ASSERT_EQ(conexao_.SaveDocToFile(8, caminho, false), platform::S_OK);
            EXPECT_EQ(kelvo::testing::ReadFile(arquivo), "novo");
        }
    }
}

// A paper document (flag 0x4) has no content to show: success, an empty path, time 0, no file.
TEST_F(SaveDocToFile, PaperDocumentGivesAnEmptyPath) {
    base_.docs[6] = {0x4, "papel.pdf", "", "", {}};
    CZTString caminho("lixo");
    std::int64_t tempo = -1;
    EXPECT_EQ(conexao_.SaveDocToFile(6, caminho, true, &tempo), platform::S_OK);
    EXPECT_TRUE(caminho.IsEmpty());
    EXPECT_EQ(tempo, 0);
    EXPECT_TRUE(fs::is_empty(temp_));
    EXPECT_EQ(base_.leituras.size(), 1u);
}

// Only the file-name part of the stored name is used, so no stored name writes outside the
// temporary folder; a name with nothing left, "." or ".." takes the document's position; an
// accented Windows-1252 name reaches the disk as UTF-8 and comes back as it was stored; a name
// that fills its field without a NUL is used whole and no further.
TEST_F(SaveDocToFile, StoredNameNeverLeavesTheTemporaryFolder) {
    struct Caso {
        std::string armazenado;
        std::string esperado;
    };
    const std::string cheio(sizeof(QD_DOC_PS::szOriginalFileName), 'n');
    const std::string acentuado = platform::AnsiFromUtf8("relatório de ação.pdf");
    const Caso casos[] = {
        {"a/b/c.pdf", "c.pdf"},       {"../../fora.txt", "fora.txt"}, {"..", "Documento7"},
        {".", "Documento7"},          {"", "Documento7"},             {"pasta/", "Documento7"},
        {"/etc/..", "Documento7"},    {"/fora/..a", "..a"},           {acentuado, acentuado},
        {cheio, cheio},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.armazenado);
        fs::remove_all(temp_);
        fs::create_directories(temp_);
        base_.docs[7] = {0, caso.armazenado, "dados", "", {}};
        CZTString caminho;
        ASSERT_EQ(conexao_.SaveDocToFile(7, caminho, false), platform::S_OK);
        EXPECT_EQ(caminho.str(), Esperado(caso.esperado));
        EXPECT_EQ(Nomes(temp_), std::set<std::string>{platform::Utf8FromAnsi(caso.esperado)});
        EXPECT_EQ(kelvo::testing::ReadFile(temp_ / platform::Utf8FromAnsi(caso.esperado)), "dados");
    }
    EXPECT_EQ(Nomes(ambiente_.Folder()), (std::set<std::string>{"temp"}));
}

// A failed read (a missing document, a missing content file) is returned as it is and writes
// nothing.
TEST_F(SaveDocToFile, ReadFailureIsReturnedAndWritesNothing) {
    base_.docs[2] = {0, "existe.txt", "x", "", {}};
    base_.respostas = {platform::S_OK, kArquivoNaoEncontrado};
    CZTString caminho("lixo");
    std::int64_t tempo = -1;
    EXPECT_EQ(conexao_.SaveDocToFile(99, caminho, false, &tempo), DocsFalsos::kFimDeArquivo);
    EXPECT_TRUE(caminho.IsEmpty());
    EXPECT_EQ(tempo, 0);
    EXPECT_EQ(conexao_.SaveDocToFile(2, caminho, false, &tempo), kArquivoNaoEncontrado);
    EXPECT_TRUE(caminho.IsEmpty());
    EXPECT_TRUE(fs::is_empty(temp_));
}

// A symbolic link put in the copy's place (the temporary folder may be shared) is not followed:
// the call is refused and the file it points to keeps its content.
TEST_F(SaveDocToFile, SymbolicLinkInPlaceIsRefused) {
    const fs::path alvo = ambiente_.Folder() / "alvo.txt";
    kelvo::testing::WriteFile(alvo, "intacto");
    fs::create_symlink(alvo, temp_ / "ligado.txt");
    base_.docs[5] = {0, "ligado.txt", "invasor", "", {}};
    CZTString caminho("lixo");
    EXPECT_EQ(conexao_.SaveDocToFile(5, caminho, false), platform::E_ACCESSDENIED);
    EXPECT_TRUE(caminho.IsEmpty());
    EXPECT_EQ(kelvo::testing::ReadFile(alvo), "intacto");
}

// A temporary folder that does not exist is the file layer's "path not found".
TEST_F(SaveDocToFile, MissingTemporaryFolderIsPathNotFound) {
    ::setenv("TMPDIR", (temp_ / "falta").c_str(), 1);
    base_.docs[4] = {0, "a.txt", "x", "", {}};
    CZTString caminho("lixo");
    EXPECT_EQ(conexao_.SaveDocToFile(4, caminho, false), kPastaNaoEncontrada);
    EXPECT_TRUE(caminho.IsEmpty());
}

}  // namespace
