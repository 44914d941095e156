// Preview bitmaps of stored documents: in the process through the client library (plain and
// encrypted contents, entries left empty, failures that free everything, replies bounded by one
// message) and through the real Vaultis process (its memory included).
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/idl/value_codec.h"
#include "platform/system/process_spawn.h"
#include "platform/win32_error.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/document/qd_miniaturas_doc.h"
#include "server/thumbnail/thumbnail_size.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "server/tests/document_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/server_memory_test_support.h"
#include "server/tests/thumbnail_test_support.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

using namespace kelvo::testing;
using thumbnail_test::ColourNear;
using thumbnail_test::DibReader;
using thumbnail_test::kBlue;
using thumbnail_test::kGreen;
using thumbnail_test::kRed;

namespace {

using platform::HRESULT;

constexpr tagSIZE kCaixa{16, 16};
constexpr int kTolerancia = 40;
const HRESULT kFimDeArquivo = platform::HResultFromMessage(16021);
const HRESULT kArquivoAusente = platform::HResultFromWin32(platform::ERROR_FILE_NOT_FOUND);

// A PNG of 40 x 20, red above blue: fits the box as 16 x 8 (a raster image is never enlarged).
std::string PngVermelhoSobreAzul(const std::filesystem::path& pasta) {
    const std::filesystem::path caminho = pasta / "fonte.png";
    EXPECT_TRUE(thumbnail_test::SaveWithPixbuf(thumbnail_test::TwoBands(40, 20, kRed, kBlue), caminho, "png"));
    const thumbnail_test::Bytes bytes = thumbnail_test::ReadBytes(caminho);
    return {bytes.begin(), bytes.end()};
}

// A PDF page of 100 x 200 points, green above red: fills the box as 8 x 16.
std::string PdfVerdeSobreVermelho() {
    thumbnail_test::PdfPage pagina;
    pagina.content = thumbnail_test::TwoBandContent(100, 200, "0 1 0", "1 0 0");
    return thumbnail_test::PdfBytes(pagina);
}

// A page of 100 x 100 points, green above red: fills a square box whole.
std::string PdfQuadrado() {
    thumbnail_test::PdfPage pagina;
    pagina.mediaBox = "0 0 100 100";
    pagina.content = thumbnail_test::TwoBandContent(100, 100, "0 1 0", "1 0 0");
    return thumbnail_test::PdfBytes(pagina);
}

constexpr int kMaiorLado = server::thumbnail::kMaxThumbnailSide;

// A PNG signature followed by garbage: a known kind that cannot be decoded.
const std::string kPngCorrompido = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, 'x');

// The caller's side of the result: freed as a client frees it.
struct Resultado {
    QD_ARRAY_DOC_THUMBNAIL_PS array{};
    Resultado() = default;
    ~Resultado() { platform::idl::Codec<QD_ARRAY_DOC_THUMBNAIL_PS>::Free(array); }
    Resultado(const Resultado&) = delete;
    Resultado& operator=(const Resultado&) = delete;

    [[nodiscard]] thumbnail_test::Bytes Entrada(std::uint32_t i) const {
        const QD_DOC_THUMBNAIL_PS& entrada = array.pThumbnails[i];
        if (!entrada.pThumbnail) return {};
        return {entrada.pThumbnail, entrada.pThumbnail + entrada.cbThumbnail};
    }
    [[nodiscard]] bool Vazia(std::uint32_t i) const {
        return array.pThumbnails[i].cbThumbnail == 0 && array.pThumbnails[i].pThumbnail == nullptr;
    }
};

// The bitmap of an entry: its header, its size exactly 56 + w * h * 4 (the count the entry
// declares included), and the size it should have been fitted to inside the box.
::testing::AssertionResult Bitmap(const Resultado& resultado, std::uint32_t i, int largura, int altura) {
    const thumbnail_test::Bytes dib = resultado.Entrada(i);
    const DibReader leitor(dib);
    if (auto forma = leitor.WellFormed(); !forma) return forma << " (entry " << i << ")";
    if (resultado.array.pThumbnails[i].cbThumbnail != 56u + static_cast<std::uint32_t>(largura * altura * 4) ||
        leitor.Width() != largura || leitor.Height() != altura || leitor.Width() > kCaixa.cx ||
        leitor.Height() > kCaixa.cy) {
        return ::testing::AssertionFailure() << "entry " << i << ": " << leitor.Width() << " x " << leitor.Height()
                                             << " in " << resultado.array.pThumbnails[i].cbThumbnail << " bytes";
    }
    return ::testing::AssertionSuccess();
}

// The PNG above as drawn into entry i.
void EsperaPng(const Resultado& resultado, std::uint32_t i) {
    ASSERT_TRUE(Bitmap(resultado, i, 16, 8));
    const thumbnail_test::Bytes dib = resultado.Entrada(i);
    EXPECT_TRUE(ColourNear(DibReader(dib).PixelFromTop(8, 1), kRed, kTolerancia)) << i;
    EXPECT_TRUE(ColourNear(DibReader(dib).PixelFromTop(8, 6), kBlue, kTolerancia)) << i;
}

// The PDF above as drawn into entry i.
void EsperaPdf(const Resultado& resultado, std::uint32_t i) {
    ASSERT_TRUE(Bitmap(resultado, i, 8, 16));
    const thumbnail_test::Bytes dib = resultado.Entrada(i);
    EXPECT_TRUE(ColourNear(DibReader(dib).PixelFromTop(4, 2), kGreen, kTolerancia)) << i;
    EXPECT_TRUE(ColourNear(DibReader(dib).PixelFromTop(4, 13), kRed, kTolerancia)) << i;
}

// TMPDIR pointed at `pasta` while the object lives.
class PastaTemporaria {
public:
    explicit PastaTemporaria(const std::string& pasta) {
        if (const char* antes = std::getenv("TMPDIR")) antes_ = antes;
        ::setenv("TMPDIR", pasta.c_str(), 1);
    }
    ~PastaTemporaria() {
        if (antes_) {
            ::setenv("TMPDIR", antes_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

private:
    std::optional<std::string> antes_;
};

// A company with an open session whose temporary folder is a private one, watched by the tests.
class MiniaturasDoc : public ::testing::Test {
protected:
    MiniaturasDoc() { std::filesystem::create_directories(temporaria_); }

    std::uint32_t Insere(const std::string& nome, const std::string& conteudo) {
        DadosDoc dados;
        dados.nome = nome;
        dados.conteudo = conteudo;
        return empresa_.Insere(dados);
    }

    HRESULT Miniaturas(const std::vector<std::uint32_t>& posicoes, Resultado& resultado) {
        return empresa_.Conexao().GetThumbnailsDoc(static_cast<std::uint32_t>(posicoes.size()), posicoes.data(), kCaixa,
                                                   &resultado.array);
    }

    // The names in the private temporary folder.
    [[nodiscard]] std::vector<std::string> Temporarios() const {
        std::vector<std::string> nomes;
        for (const auto& entrada : std::filesystem::directory_iterator(temporaria_)) {
            nomes.push_back(entrada.path().filename().string());
        }
        return nomes;
    }

    [[nodiscard]] std::filesystem::path Rascunho() const { return empresa_.Empresa().Ambiente().Folder(); }

    EmpresaDocs empresa_;
    const std::string temporaria_ = empresa_.Empresa().Ambiente().Path("tmp");
    PastaTemporaria tmpdir_{temporaria_};
};

// Each entry holds the bitmap of the document at the same index, whatever the order of the
// positions, fitted into the box with its aspect: a mix-up of entries or kinds shows.
TEST_F(MiniaturasDoc, PngAndPdfFillTheirOwnEntries) {
    const std::uint32_t png = Insere("digitalizado.png", PngVermelhoSobreAzul(Rascunho()));
    const std::uint32_t pdf = Insere("contrato.PDF", PdfVerdeSobreVermelho());
    Resultado resultado;
    ASSERT_EQ(Miniaturas({pdf, png, pdf}, resultado), platform::S_OK);
    ASSERT_EQ(resultado.array.qtd, 3u);
    EsperaPdf(resultado, 0);
    EsperaPng(resultado, 1);
    EsperaPdf(resultado, 2);
    EXPECT_TRUE(Temporarios().empty());  // plain contents are drawn where they lie
}

// Documents that have no picture leave their entry empty and do not stop the others: a kind
// without extractor, a corrupt image, a document stored without content and a deleted one.
TEST_F(MiniaturasDoc, DocumentsWithoutPictureLeaveTheirEntryEmpty) {
    const std::uint32_t png = Insere("a.png", PngVermelhoSobreAzul(Rascunho()));
    const std::uint32_t texto = Insere("leia.txt", "apenas texto");
    const std::uint32_t corrompido = Insere("b.png", kPngCorrompido);
    DadosDoc semConteudo;
    semConteudo.dwFlags = QD_DOC_SEM_CONTEUDO;
    semConteudo.nome = "c.png";
    const std::uint32_t naoDigital = empresa_.Insere(semConteudo, 0xB);
    const std::uint32_t excluido = Insere("d.png", PngVermelhoSobreAzul(Rascunho()));
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &excluido), platform::S_OK);
    ASSERT_FALSE(std::filesystem::exists(empresa_.Docs("0000005.png")));
    const std::uint32_t pdf = Insere("e.pdf", PdfVerdeSobreVermelho());

    Resultado resultado;
    ASSERT_EQ(Miniaturas({texto, png, corrompido, naoDigital, excluido, pdf}, resultado), platform::S_OK);
    ASSERT_EQ(resultado.array.qtd, 6u);
    for (const std::uint32_t vazia : {0u, 2u, 3u, 4u}) EXPECT_TRUE(resultado.Vazia(vazia)) << vazia;
    EsperaPng(resultado, 1);
    EsperaPdf(resultado, 5);
}

// Failures end the call with their own code and leave the array zero, freeing the entries
// already drawn (the sanitizer build reports any leak): a position the file does not hold, and
// a content file missing behind the server's back.
TEST_F(MiniaturasDoc, FailureEndsTheCallAndLeavesNothing) {
    const std::uint32_t png = Insere("a.png", PngVermelhoSobreAzul(Rascunho()));
    const std::uint32_t perdido = Insere("b.png", PngVermelhoSobreAzul(Rascunho()));
    ASSERT_TRUE(std::filesystem::remove(empresa_.Docs("0000002.png")));
    const struct {
        std::vector<std::uint32_t> posicoes;
        HRESULT esperado;
    } casos[] = {
        {{0}, kFimDeArquivo},
        {{png, 0}, kFimDeArquivo},
        {{png, 3}, kFimDeArquivo},
        {{png, 0x80000000u}, kFimDeArquivo},
        {{perdido}, kArquivoAusente},
        {{png, png, perdido, png}, kArquivoAusente},
    };
    for (const auto& caso : casos) {
        Resultado resultado;
        resultado.array.qtd = 99;  // what the caller had there must not survive
        EXPECT_EQ(Miniaturas(caso.posicoes, resultado), caso.esperado) << caso.posicoes.size();
        EXPECT_EQ(resultado.array.qtd, 0u);
        EXPECT_EQ(resultado.array.pThumbnails, nullptr);
    }
}

// Arguments are refused before any file is touched; no positions give an empty array.
TEST_F(MiniaturasDoc, ArgumentsAreCheckedFirst) {
    const std::uint32_t png = Insere("a.png", PngVermelhoSobreAzul(Rascunho()));
    CZTQD_Srv& srv = empresa_.Srv();
    EXPECT_EQ(srv.GetThumbnailsDoc(1, &png, kCaixa, nullptr), platform::E_POINTER);
    Resultado resultado;
    EXPECT_EQ(srv.GetThumbnailsDoc(1, nullptr, kCaixa, &resultado.array), platform::E_POINTER);
    // A bad size is refused even when no document would reach the extractor.
    // 4096 is the side whose one bitmap is over the message bound.
    for (const tagSIZE tamanho : {tagSIZE{0, 16}, tagSIZE{16, -1}, tagSIZE{4096, 4096}, tagSIZE{4097, 16}}) {
        EXPECT_EQ(srv.GetThumbnailsDoc(1, &png, tamanho, &resultado.array), platform::E_INVALIDARG);
        EXPECT_EQ(srv.GetThumbnailsDoc(0, nullptr, tamanho, &resultado.array), platform::E_INVALIDARG);
        EXPECT_EQ(resultado.array.pThumbnails, nullptr);
    }
    ASSERT_EQ(srv.GetThumbnailsDoc(0, nullptr, kCaixa, &resultado.array), platform::S_OK);
    EXPECT_EQ(resultado.array.qtd, 0u);
    EXPECT_EQ(resultado.array.pThumbnails, nullptr);
}

// Guards the server against replies that can never be sent: the largest side's one bitmap comes
// back whole, and a second one, which would pass the message, is refused before it is drawn,
// leaving nothing behind.
TEST_F(MiniaturasDoc, DrawingStopsWhenTheReplyPassesOneMessage) {
    const std::uint32_t pdf = Insere("quadrado.pdf", PdfQuadrado());
    {
        Resultado resultado;
        ASSERT_EQ(empresa_.Srv().GetThumbnailsDoc(1, &pdf, {kMaiorLado, kMaiorLado}, &resultado.array), platform::S_OK);
        const thumbnail_test::Bytes dib = resultado.Entrada(0);
        const DibReader leitor(dib);
        EXPECT_TRUE(leitor.WellFormed());
        EXPECT_EQ(leitor.Width(), kMaiorLado);
        EXPECT_EQ(leitor.Height(), kMaiorLado);
        EXPECT_TRUE(ColourNear(leitor.PixelFromTop(10, 10), kGreen, kTolerancia));
        EXPECT_TRUE(ColourNear(leitor.PixelFromTop(10, kMaiorLado - 10), kRed, kTolerancia));
    }
    const std::uint32_t duas[] = {pdf, pdf};
    Resultado resultado;
    EXPECT_EQ(empresa_.Srv().GetThumbnailsDoc(2, duas, {kMaiorLado, kMaiorLado}, &resultado.array),
              platform::E_OUTOFMEMORY);
    EXPECT_EQ(resultado.array.qtd, 0u);
    EXPECT_EQ(resultado.array.pThumbnails, nullptr);
}

// Guards against a count whose entries alone pass one message: it is refused before any record is
// read (position 0 answers end of file once it is read).
TEST_F(MiniaturasDoc, CountsWhoseEntriesCannotFitAreRefusedFirst) {
    const struct {
        std::uint32_t qtd;
        HRESULT esperado;
    } casos[] = {
        {8'388'094, kFimDeArquivo},  // status, array, count and 8,388,094 entries of 8 bytes fit
        {8'388'095, platform::E_OUTOFMEMORY},
    };
    for (const auto& caso : casos) {
        const std::vector<std::uint32_t> posicoes(caso.qtd, 0);
        Resultado resultado;
        EXPECT_EQ(empresa_.Srv().GetThumbnailsDoc(caso.qtd, posicoes.data(), kCaixa, &resultado.array), caso.esperado)
            << caso.qtd;
        EXPECT_EQ(resultado.array.pThumbnails, nullptr);
    }
}

// An encrypted company's contents are decrypted into the temporary folder for drawing: the
// pictures equal those of the plain contents, and no plain copy stays behind, whether the entry
// was drawn, left empty or the call failed.
TEST_F(MiniaturasDoc, EncryptedContentsDrawAsPlainAndLeaveNoTemporaryFile) {
    const std::uint32_t png = Insere("a.png", PngVermelhoSobreAzul(Rascunho()));
    const std::uint32_t pdf = Insere("b.pdf", PdfVerdeSobreVermelho());
    const std::uint32_t corrompido = Insere("c.png", kPngCorrompido);
    const std::uint32_t texto = Insere("d.txt", "apenas texto");
    Resultado claro;
    ASSERT_EQ(Miniaturas({png, pdf}, claro), platform::S_OK);

    LigaEncriptacao(empresa_.Conexao());
    const std::string guardado = Bytes(empresa_.Docs("0000001.png"));
    ASSERT_FALSE(guardado.empty());
    ASSERT_NE(guardado.compare(0, 4, "\x89PNG"), 0);  // the stored file is cipher text now
    Resultado cifrado;
    ASSERT_EQ(Miniaturas({png, corrompido, pdf, texto}, cifrado), platform::S_OK);
    EXPECT_EQ(cifrado.Entrada(0), claro.Entrada(0));
    EXPECT_EQ(cifrado.Entrada(2), claro.Entrada(1));
    EXPECT_TRUE(cifrado.Vazia(1));
    EXPECT_TRUE(cifrado.Vazia(3));
    EXPECT_EQ(Temporarios(), std::vector<std::string>{});

    // A failure after a temporary copy was drawn leaves nothing either.
    ASSERT_TRUE(std::filesystem::remove(empresa_.Docs("0000002.pdf")));
    Resultado falha;
    EXPECT_EQ(Miniaturas({png, pdf}, falha), kArquivoAusente);
    EXPECT_EQ(falha.array.pThumbnails, nullptr);
    EXPECT_EQ(Temporarios(), std::vector<std::string>{});
}

// Only encrypted contents need the temporary folder; without one they fail with its error.
TEST_F(MiniaturasDoc, EncryptedContentNeedsTheTemporaryFolder) {
    const std::uint32_t png = Insere("a.png", PngVermelhoSobreAzul(Rascunho()));
    PastaTemporaria ausente(empresa_.Empresa().Ambiente().Path("nao/existe"));
    Resultado claro;
    ASSERT_EQ(Miniaturas({png}, claro), platform::S_OK);
    EsperaPng(claro, 0);

    LigaEncriptacao(empresa_.Conexao());
    Resultado cifrado;
    EXPECT_EQ(Miniaturas({png}, cifrado), platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(cifrado.array.pThumbnails, nullptr);
}

// A name whose twin with the extension is taken is never written over: a few reservations are
// tried and each is given back, and the call ends with "file exists" when every twin is taken.
TEST_F(MiniaturasDoc, TakenTemporaryNamesAreNeitherReplacedNorLeftReserved) {
    const std::uint32_t png = Insere("a.png", PngVermelhoSobreAzul(Rascunho()));
    LigaEncriptacao(empresa_.Conexao());
    constexpr unsigned kNomes = 0xFFFF;  // every name the temporary folder hands out
    for (unsigned numero = 1; numero <= kNomes; ++numero) {
        char nome[32];
        std::snprintf(nome, sizeof nome, "QD%04X.tmp.png", numero);
        std::ofstream(std::filesystem::path(temporaria_) / nome) << "alheio";
    }
    Resultado resultado;
    EXPECT_EQ(Miniaturas({png}, resultado), platform::HResultFromWin32(platform::ERROR_FILE_EXISTS));
    EXPECT_EQ(resultado.array.pThumbnails, nullptr);
    EXPECT_EQ(Temporarios().size(), std::size_t{kNomes});
    for (const auto& entrada : std::filesystem::directory_iterator(temporaria_)) {
        ASSERT_EQ(entrada.file_size(), 6u) << entrada.path();  // still "alheio"
    }
}

// The demo company in the real Vaultis process: the bitmaps travel back through the socket.
TEST(MiniaturasVaultis, PngAndPdfTravelBackFromTheServerProcess) {
    TestEnvironment ambiente;
    ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente));
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        const struct {
            const char* nome;
            std::string conteudo;
        } documentos[] = {
            {"a.png", PngVermelhoSobreAzul(ambiente.Folder())},
            {"b.txt", "apenas texto"},
            {"c.pdf", PdfVerdeSobreVermelho()},
        };
        std::vector<std::uint32_t> posicoes;
        for (const auto& documento : documentos) {
            DadosDoc dados;
            dados.nome = documento.nome;
            dados.conteudo = documento.conteudo;
            std::uint32_t posicao = 0;
            ASSERT_EQ(conexao.GravaDoc(&posicao, Documento(dados), 0xF), platform::S_OK);
            posicoes.push_back(posicao);
        }
        Resultado resultado;
        ASSERT_EQ(conexao.GetThumbnailsDoc(3, posicoes.data(), kCaixa, &resultado.array), platform::S_OK);
        ASSERT_EQ(resultado.array.qtd, 3u);
        EsperaPng(resultado, 0);
        EXPECT_TRUE(resultado.Vazia(1));
        EsperaPdf(resultado, 2);

        Resultado falha;
        const std::uint32_t alem[] = {posicoes[0], 99};
        EXPECT_EQ(conexao.GetThumbnailsDoc(2, alem, kCaixa, &falha.array), kFimDeArquivo);
        EXPECT_EQ(falha.array.pThumbnails, nullptr);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

// Guards the server's memory against a request whose reply can never be sent: one PDF asked 48
// times at the largest side is refused while the server's peak stays below two messages above its
// size before the call (it once drew 3.3 GB first).
TEST(MiniaturasVaultis, ARequestPastOneMessageKeepsTheServerBelowTwoMessages) {
    TestEnvironment ambiente;
    ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente));
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        DadosDoc dados;
        dados.nome = "quadrado.pdf";
        dados.conteudo = PdfQuadrado();
        std::uint32_t posicao = 0;
        ASSERT_EQ(conexao.GravaDoc(&posicao, Documento(dados), 0xF), platform::S_OK);
        PicoMemoriaServidor pico;
        ASSERT_NO_FATAL_FAILURE(pico.Localiza(ambiente));

        const std::vector<std::uint32_t> posicoes(48, posicao);
        Resultado resultado;
        ASSERT_NO_FATAL_FAILURE(pico.Inicia());
        EXPECT_EQ(conexao.GetThumbnailsDoc(48, posicoes.data(), {kMaiorLado, kMaiorLado}, &resultado.array),
                  platform::E_OUTOFMEMORY);
        std::int64_t acima = 0;
        ASSERT_NO_FATAL_FAILURE(pico.AcimaDoInicio(acima));
        if (kPicoMemoriaMedido) {
            EXPECT_LT(acima, 2 * static_cast<std::int64_t>(platform::idl::kMaxMessageBytes));
        }
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

}  // namespace
