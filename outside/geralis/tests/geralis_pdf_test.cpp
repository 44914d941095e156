// The written report, read back with poppler: every page renders, and its text shows the
// heading, the captions, every line's values (accents included) and "Página n de m".
#include "outside/geralis/geralis_definicoes.h"
#include "outside/geralis/monta_relatorio.h"
#include "outside/geralis/pdf_relatorio.h"
#include "outside/geralis/tests/apoio_relatorio.h"

#include "platform/text/codepage.h"
#include "platform/tests/support/test_environment.h"
#include "util/date/day_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using platform::HRESULT;
using platform::S_OK;

namespace {

constexpr char kEmpresa[] = "Empresa Demonstra\xE7\xE3o Ltda";
constexpr int kLinhas = 120;

std::string Utf8(const std::string& ansi) { return platform::Utf8FromAnsi(ansi); }

std::string Numerado(const char* formato, int n) {
    char texto[128];
    std::snprintf(texto, sizeof texto, formato, n);
    return texto;
}

HRESULT Texto(CMontaRelatorio& relatorio, const std::string& texto) {
    return relatorio.Adiciona(texto.c_str(), GERALIS_TIPO_TEXTO, static_cast<int>(texto.size()));
}

std::vector<std::string> Paginas(const std::string& texto) {
    std::vector<std::string> paginas;
    size_t inicio = 0;
    for (size_t fim = texto.find('\f'); fim != std::string::npos; fim = texto.find('\f', inicio)) {
        paginas.push_back(texto.substr(inicio, fim - inicio));
        inicio = fim + 1;
    }
    return paginas;
}

class Pdf : public ::testing::Test {
protected:
    void SetUp() override {
        modelos_ = ambiente_.Folder() / "modelos";
        saidas_ = ambiente_.Folder() / "saidas";
        std::filesystem::create_directories(saidas_);
        geralis_teste::ConfiguraPastaModelos(modelos_);
    }

    HRESULT Inicia(const std::string& modelo, const std::string& arquivo) {
        geralis_teste::GravaModelo(modelos_, "DOC", "Modelo", modelo);
        return relatorio_.Inicializa("/dados/emp", 1, 9, kEmpresa, "QD", "DOC", arquivo.c_str(), "Modelo");
    }

    [[nodiscard]] std::string Saida(const char* nome) const { return (saidas_ / nome).string(); }

    kelvo::testing::TestEnvironment ambiente_;
    std::filesystem::path modelos_;
    std::filesystem::path saidas_;
    CMontaRelatorio relatorio_;
};

// Builds the full report: model columns of three kinds, a dynamic date column, subordinate lines
// under every tenth line, a rule after every line and a note at the end.
void MontaCompleto(CMontaRelatorio& relatorio) {
    const auto natal = static_cast<std::uint16_t>(ZTCalculaDiaNumero(25, 12, 2023));
    for (int i = 1; i <= kLinhas; ++i) {
        if (i == 1) {
            ASSERT_EQ(relatorio.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 10, "C\xF3" "digo"), S_OK);
            ASSERT_EQ(relatorio.AdicionaDetalhe(102, GERALIS_TIPO_TEXTO, 10, "Grupo/Anal\xEDtica"), S_OK);
            ASSERT_EQ(relatorio.AdicionaDetalhe(103, GERALIS_TIPO_TEXTO, 60, "ignorada"), S_OK);
            ASSERT_EQ(relatorio.AdicionaDetalhe(117, GERALIS_TIPO_INTEIRO, 4, "Dias"), S_OK);
        }
        ASSERT_EQ(Texto(relatorio, Numerado("T%03d", i)), S_OK);
        ASSERT_EQ(Texto(relatorio, i % 2 ? "Anal\xEDtica" : "Grupo"), S_OK);
        ASSERT_EQ(Texto(relatorio, Numerado("A\xE7\xE3o de cobran\xE7" "a %03d", i)), S_OK);
        const std::int32_t dias = i * 3 - 50;
        ASSERT_EQ(relatorio.Adiciona(&dias, GERALIS_TIPO_INTEIRO, 4), S_OK);
        if (i == 1) {
            ASSERT_EQ(relatorio.AdicionaColunaDinamica(901, GERALIS_TIPO_DIA, 2, "Vencimento"), S_OK);
        }
        ASSERT_EQ(relatorio.Adiciona(&natal, GERALIS_TIPO_DIA, 2), S_OK);
        ASSERT_EQ(relatorio.FinalizaLinha(), S_OK);
        if (i == 1) {
            ASSERT_EQ(relatorio.AdicionaDetalheSubordinada(103, GERALIS_TIPO_TEXTO, 60), S_OK);
        }
        if (i % 10 == 0) {
            for (int s = 1; s <= 2; ++s) {
                const std::string sub = Numerado("Subprocesso %03d", i) + Numerado("-%d", s);
                ASSERT_EQ(relatorio.AdicionaSubordinada(sub.c_str(), GERALIS_TIPO_TEXTO, static_cast<int>(sub.size())), S_OK);
                ASSERT_EQ(relatorio.FinalizaLinha(), S_OK);
            }
        }
        ASSERT_EQ(relatorio.AdicionaLinhaEspecial(GERALIS_LINHA_SEPARADORA), S_OK);
    }
    const std::string vazio;
    ASSERT_EQ(Texto(relatorio, vazio), S_OK);
    ASSERT_EQ(Texto(relatorio, "\xF2* informa\xE7\xE3o retirada da base no estado atual"), S_OK);
    ASSERT_EQ(Texto(relatorio, vazio), S_OK);
    const std::int32_t zero = 0;
    ASSERT_EQ(relatorio.Adiciona(&zero, GERALIS_TIPO_INTEIRO, 4), S_OK);
    const std::uint16_t semData = 0;
    ASSERT_EQ(relatorio.Adiciona(&semData, GERALIS_TIPO_DIA, 2), S_OK);
    ASSERT_EQ(relatorio.FinalizaLinha(), S_OK);
}

constexpr char kModeloDoc[] =
    "TITULO;Relat\xF3rio de Registro de Documentos Digitais\n"
    "COLUNA;101;C\xF3" "digo;20\n"
    "COLUNA;102;;30\n"
    "COLUNA;103;Descri\xE7\xE3o;60\n"
    "COLUNA;117;Dias;18\n";

}  // namespace

// A report of many lines spans several pages, each headed alike and numbered "Página n de m";
// every line's values are there once, in order, with their accents; subordinate lines, the
// dynamic column and the note show; every page renders.
TEST_F(Pdf, ManyLinesMakeNumberedPagesWithEveryValue) {
    const std::string saida = Saida("QDDOC123.tmp");
    ASSERT_EQ(Inicia(kModeloDoc, saida), S_OK) << relatorio_.GetDescricaoErro().GetString();
    MontaCompleto(relatorio_);
    ASSERT_EQ(relatorio_.GeraRelatorio(), S_OK) << relatorio_.GetDescricaoErro().GetString();
    EXPECT_EQ(geralis_teste::Conteudo(saidas_), std::vector<std::string>{"QDDOC123.tmp"});
    EXPECT_EQ(kelvo::testing::ReadFile(saida).rfind("%PDF-", 0), 0u);

    const geralis_teste::InfoPdf info = geralis_teste::Info(saida);
    ASSERT_GE(info.paginas, 3);
    EXPECT_NEAR(info.largura, 595.28, 0.5);
    EXPECT_NEAR(info.altura, 841.89, 0.5);

    const geralis_teste::Saida texto = geralis_teste::TextoDoPdf(saida);
    ASSERT_EQ(texto.status, 0);
    const std::vector<std::string> paginas = Paginas(texto.texto);
    ASSERT_EQ(static_cast<int>(paginas.size()), info.paginas);
    for (int n = 1; n <= info.paginas; ++n) {
        SCOPED_TRACE(n);
        const std::string& pagina = paginas[static_cast<size_t>(n - 1)];
        EXPECT_EQ(geralis_teste::Ocorrencias(pagina, Utf8(Numerado("P\xE1gina %d de ", n) + std::to_string(info.paginas))), 1);
        EXPECT_EQ(geralis_teste::Ocorrencias(pagina, Utf8(kEmpresa)), 1);
        EXPECT_EQ(geralis_teste::Ocorrencias(pagina, Utf8("Relat\xF3rio de Registro de Documentos Digitais")), 1);
        for (const char* legenda : {"C\xF3" "digo", "Grupo/Anal\xEDtica", "Descri\xE7\xE3o", "Dias", "Vencimento"}) {
            EXPECT_EQ(geralis_teste::Ocorrencias(pagina, Utf8(legenda)), 1) << legenda;
        }
        EXPECT_EQ(geralis_teste::Ocorrencias(pagina, "ignorada"), 0);
    }

    size_t anterior = 0;
    for (int i = 1; i <= kLinhas; ++i) {
        SCOPED_TRACE(i);
        const std::string codigo = Numerado("T%03d", i);
        EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, codigo), 1);
        const size_t posicao = texto.texto.find(codigo);
        EXPECT_GT(posicao, anterior);
        anterior = posicao;
        EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, Utf8(Numerado("A\xE7\xE3o de cobran\xE7" "a %03d", i))), 1);
    }
    EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, "Subprocesso"), 2 * kLinhas / 10);
    EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, "Subprocesso 050-2"), 1);
    EXPECT_NE(texto.texto.find(" -47 "), std::string::npos);
    EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, "25/12/2023"), kLinhas);
    EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, Utf8("* informa\xE7\xE3o retirada da base no estado atual")), 1);
    EXPECT_EQ(geralis_teste::Ocorrencias(texto.texto, Utf8("\xF2")), 0);

    const std::filesystem::path imagens = ambiente_.Folder() / "imagens";
    std::filesystem::create_directories(imagens);
    const geralis_teste::Saida render =
        geralis_teste::Executa("pdftoppm -r 12 -png " + geralis_teste::Aspas(saida) + " " + geralis_teste::Aspas(imagens / "p"));
    EXPECT_EQ(render.status, 0);
    EXPECT_EQ(static_cast<int>(geralis_teste::Conteudo(imagens).size()), info.paginas);
}

// A report without lines is one page with its heading and captions; a landscape model gives
// landscape pages.
TEST_F(Pdf, EmptyLandscapeReportIsOneHeadedPage) {
    const std::string saida = Saida("vazio.pdf");
    ASSERT_EQ(Inicia("TITULO;Relat\xF3rio de Locais de Arquivamento\nFOLHA;PAISAGEM\n"
                     "COLUNA;101;C\xF3" "digo;40\nCOLUNA;102;Descri\xE7\xE3o;66\n",
                     saida),
              S_OK);
    ASSERT_EQ(relatorio_.GeraRelatorio(), S_OK);
    const geralis_teste::InfoPdf info = geralis_teste::Info(saida);
    EXPECT_EQ(info.paginas, 1);
    EXPECT_NEAR(info.largura, 841.89, 0.5);
    EXPECT_NEAR(info.altura, 595.28, 0.5);
    const std::string texto = geralis_teste::TextoDoPdf(saida).texto;
    EXPECT_EQ(geralis_teste::Ocorrencias(texto, Utf8("P\xE1gina 1 de 1")), 1);
    EXPECT_EQ(geralis_teste::Ocorrencias(texto, Utf8("Relat\xF3rio de Locais de Arquivamento")), 1);
    EXPECT_EQ(geralis_teste::Ocorrencias(texto, Utf8("Descri\xE7\xE3o")), 1);
}

// A long value wraps inside its narrow column and the neighbour keeps its own text; a value
// taller than a page is cut with an ellipsis instead of running off the page, and the lines
// after it still come.
TEST_F(Pdf, LongValuesWrapWithinTheirColumnAndAreCutAtAPage) {
    const std::string saida = Saida("longo.pdf");
    ASSERT_EQ(Inicia("TITULO;Textos longos\nCOLUNA;1;Texto;25\nCOLUNA;2;Vizinho;30\n", saida), S_OK);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(1, GERALIS_TIPO_TEXTO, 512, "T"), S_OK);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(2, GERALIS_TIPO_TEXTO, 20, "V"), S_OK);
    const auto linha = [this](const std::string& a, const std::string& b) {
        ASSERT_EQ(Texto(relatorio_, a), S_OK);
        ASSERT_EQ(Texto(relatorio_, b), S_OK);
        ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);
    };
    linha("alfa beta gama delta \xE9psilon zeta eta teta iota capa lambda", "VIZINHO1");
    std::string enorme;
    for (int i = 0; i < 500; ++i) enorme += "palavra ";
    enorme += "ULTIMA";
    linha(enorme, "VIZINHO2");
    linha("depois", "VIZINHO3");
    ASSERT_EQ(relatorio_.GeraRelatorio(), S_OK);

    const std::string texto = geralis_teste::TextoDoPdf(saida).texto;
    for (const char* palavra : {"alfa", "delta", "\xE9psilon", "lambda", "VIZINHO1", "VIZINHO2", "VIZINHO3", "depois"}) {
        EXPECT_EQ(geralis_teste::Ocorrencias(texto, Utf8(palavra)), 1) << palavra;
    }
    EXPECT_EQ(texto.find("alfa beta gama delta"), std::string::npos) << "the first text did not wrap";
    // The tall value has page 2 to itself; cut, it ends above the bottom margin, which stays blank.
    EXPECT_EQ(geralis_teste::Info(saida).paginas, 3);
    const geralis_teste::Imagem pagina = geralis_teste::RenderizaPagina(saida, 2, 72, ambiente_.Folder());
    ASSERT_GT(pagina.altura, 800);
    const int margem = pagina.altura * 11 / 297;  // a little less than the 12 mm margin
    int tinta = 0;
    for (int y = pagina.altura - margem; y < pagina.altura; ++y) {
        for (int x = 0; x < pagina.largura; ++x) tinta += pagina.pixels[static_cast<size_t>(y * pagina.largura + x)] < 200;
    }
    EXPECT_EQ(tinta, 0);
    int textoNaPagina = 0;
    for (const unsigned char pixel : pagina.pixels) textoNaPagina += pixel < 200;
    EXPECT_GT(textoNaPagina, 1000);
}

// A bare output name, as the report runner gives it, is written in the temporary folder; a
// second run replaces the first file.
TEST_F(Pdf, BareNameGoesToTheTemporaryFolderAndIsReplaced) {
    const std::string temporaria = (ambiente_.Folder() / "tmp").string();
    std::filesystem::create_directories(temporaria);
    const char* anterior = std::getenv("TMPDIR");
    const std::string guardado = anterior ? anterior : "";
    setenv("TMPDIR", temporaria.c_str(), 1);
    ASSERT_EQ(Inicia(kModeloDoc, "QDLOCX7Z1.tmp"), S_OK);
    EXPECT_EQ(relatorio_.GetArquivo().str(), temporaria + "/QDLOCX7Z1.tmp");
    ASSERT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 10, "C"), S_OK);
    ASSERT_EQ(relatorio_.GeraRelatorio(), S_OK);
    const std::string primeiro = geralis_teste::TextoDoPdf(relatorio_.GetArquivo().str()).texto;
    ASSERT_EQ(relatorio_.AdicionaDetalhe(102, GERALIS_TIPO_TEXTO, 10, "G"), S_OK);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(103, GERALIS_TIPO_TEXTO, 10, "D"), S_OK);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(117, GERALIS_TIPO_INTEIRO, 4, "N"), S_OK);
    for (const char* valor : {"SEGUNDA", "x", "y"}) ASSERT_EQ(Texto(relatorio_, valor), S_OK);
    const std::int32_t n = 5;
    ASSERT_EQ(relatorio_.Adiciona(&n, GERALIS_TIPO_INTEIRO, 4), S_OK);
    ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);
    ASSERT_EQ(relatorio_.GeraRelatorio(), S_OK);
    const std::string segundo = geralis_teste::TextoDoPdf(relatorio_.GetArquivo().str()).texto;
    if (anterior) {
        setenv("TMPDIR", guardado.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
    EXPECT_EQ(primeiro.find("SEGUNDA"), std::string::npos);
    EXPECT_NE(segundo.find("SEGUNDA"), std::string::npos);
    EXPECT_EQ(geralis_teste::Conteudo(temporaria), std::vector<std::string>{"QDLOCX7Z1.tmp"});
}

// An output that cannot be written fails with the file layer's error, names the file, and leaves
// nothing behind; a broken model fails before any file is touched.
TEST_F(Pdf, FailuresLeaveNoOutputFile) {
    const std::string semPasta = Saida("nao-existe/rel.pdf");
    ASSERT_EQ(Inicia(kModeloDoc, semPasta), S_OK);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 10, "C"), S_OK);
    EXPECT_EQ(relatorio_.GeraRelatorio(), platform::HResultFromWin32(3));
    EXPECT_NE(relatorio_.GetDescricaoErro().str().find(semPasta), std::string::npos);

    kelvo::testing::WriteFile(Saida("arquivo"), "x");
    ASSERT_EQ(Inicia(kModeloDoc, Saida("arquivo/rel.pdf")), S_OK);
    EXPECT_TRUE(platform::FAILED(relatorio_.GeraRelatorio()));

    EXPECT_EQ(Inicia("TITULO;T\nCOLUNA;101;A;10\nCOLUNA;101;B;10\n", Saida("ruim.pdf")), GERALIS_E_MODELO_INVALIDO);
    EXPECT_EQ(relatorio_.GeraRelatorio(), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(geralis_teste::Conteudo(saidas_), std::vector<std::string>{"arquivo"});
}

// A writer that fails part-way ends the PDF with its own failure, never with success.
TEST(GeralisPdf, WriterFailureIsReported) {
    GeralisConteudo conteudo;
    conteudo.strEmpresa = "Empresa";
    conteudo.strTitulo = "T";
    conteudo.colunas.push_back({1, "A", 30, GERALIS_TIPO_TEXTO});
    for (int i = 0; i < 200; ++i) conteudo.linhas.push_back({GeralisTipoLinha::Principal, {CZTString(Numerado("linha %d", i))}});

    size_t total = 0;
    int paginas = 0;
    const GeralisEscrita conta = [&total](const unsigned char*, unsigned n) {
        total += n;
        return S_OK;
    };
    ASSERT_EQ(GeralisEscrevePdf(conteudo, conta, paginas), S_OK);
    EXPECT_GE(paginas, 2);
    ASSERT_GT(total, 1000u);

    const HRESULT discoCheio = platform::HResultFromWin32(112);
    for (const size_t limite : {size_t{0}, total / 2, total - 1}) {
        SCOPED_TRACE(limite);
        size_t escritos = 0;
        const GeralisEscrita falha = [&escritos, limite, discoCheio](const unsigned char*, unsigned n) {
            if (escritos + n > limite) return discoCheio;
            escritos += n;
            return S_OK;
        };
        int semPaginas = -1;
        EXPECT_EQ(GeralisEscrevePdf(conteudo, falha, semPaginas), discoCheio);
        EXPECT_EQ(semPaginas, -1);
    }
}

// Where a line and its subordinate lines no longer fit at the foot of a page, they move to the
// next page together: at the first filler count that needs a second page, that page holds the
// line and both its subordinate lines.
TEST(GeralisPdf, SubordinateLinesStayWithTheirLine) {
    kelvo::testing::TestEnvironment ambiente;
    const auto conteudo = [](int enchimento) {
        GeralisConteudo c;
        c.strEmpresa = "Empresa";
        c.strTitulo = "T";
        c.colunas.push_back({1, "A", 40, GERALIS_TIPO_TEXTO});
        for (int i = 0; i < enchimento; ++i) c.linhas.push_back({GeralisTipoLinha::Principal, {CZTString(Numerado("enche %d", i))}});
        c.linhas.push_back({GeralisTipoLinha::Principal, {CZTString("PAI")}});
        c.linhas.push_back({GeralisTipoLinha::Subordinada, {CZTString("FILHO1")}});
        c.linhas.push_back({GeralisTipoLinha::Subordinada, {CZTString("FILHO2")}});
        return c;
    };
    const GeralisEscrita descarta = [](const unsigned char*, unsigned) { return S_OK; };
    const auto paginasCom = [&](int enchimento) {
        int paginas = 0;
        EXPECT_EQ(GeralisEscrevePdf(conteudo(enchimento), descarta, paginas), S_OK);
        return paginas;
    };
    // The page count only grows with the filler, so the first count that needs two pages is found
    // by halving.
    int uma = 0;
    int duas = 400;
    ASSERT_EQ(paginasCom(uma), 1);
    ASSERT_GE(paginasCom(duas), 2);
    while (duas - uma > 1) {
        const int meio = (uma + duas) / 2;
        (paginasCom(meio) == 1 ? uma : duas) = meio;
    }
    const int enchimento = duas;

    const std::string arquivo = ambiente.Path("quebra.pdf");
    FILE* saida = std::fopen(arquivo.c_str(), "wb");
    ASSERT_NE(saida, nullptr);
    const GeralisEscrita grava = [saida](const unsigned char* dados, unsigned n) {
        return std::fwrite(dados, 1, n, saida) == n ? S_OK : platform::E_FAIL;
    };
    int paginas = 0;
    const HRESULT hr = GeralisEscrevePdf(conteudo(enchimento), grava, paginas);
    std::fclose(saida);
    ASSERT_EQ(hr, S_OK);
    ASSERT_EQ(paginas, 2);
    const std::vector<std::string> texto = Paginas(geralis_teste::TextoDoPdf(arquivo).texto);
    ASSERT_EQ(texto.size(), 2u);
    for (const char* parte : {"PAI", "FILHO1", "FILHO2"}) {
        EXPECT_EQ(geralis_teste::Ocorrencias(texto[1], parte), 1) << parte;
    }
    EXPECT_EQ(geralis_teste::Ocorrencias(texto[1], "enche"), 0);
}
