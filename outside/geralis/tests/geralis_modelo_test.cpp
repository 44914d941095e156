// Report models: what a good model yields, and that every broken rule makes the whole model
// invalid with the line named.
#include "outside/geralis/geralis_definicoes.h"
#include "outside/geralis/modelo_relatorio.h"

#include "platform/text/codepage.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Ansi(const char* utf8) { return platform::AnsiFromUtf8(utf8); }

std::string Colunas(int n) {
    std::string texto;
    for (int i = 1; i <= n; ++i) texto += "COLUNA;" + std::to_string(i) + ";C" + std::to_string(i) + ";10\n";
    return texto;
}

}  // namespace

// Everything a model may say is read: comments, blank lines, CR LF ends, spaces around fields,
// keywords in any case, an empty caption, a title with ';', accented text kept in Windows-1252.
TEST(GeralisModelo, ReadsEveryPartOfAGoodModel) {
    const std::string texto = Ansi(
        "# Tipos de documentos\r\n"
        "\r\n"
        "  titulo ; Relatório; por código \r\n"
        "Folha;paisagem\r\n"
        "COLUNA; 101 ;Código;25\r\n"
        "coluna;103;;60\r\n"
        "COLUNA;107;Usuários;5\n");
    GeralisModelo modelo;
    CZTString erro;
    ASSERT_EQ(GeralisInterpretaModelo(texto, modelo, erro), platform::S_OK) << erro.GetString();
    EXPECT_EQ(modelo.strTitulo.str(), Ansi("Relatório; por código"));
    EXPECT_TRUE(modelo.bPaisagem);
    ASSERT_EQ(modelo.colunas.size(), 3u);
    EXPECT_EQ(modelo.colunas[0].iCodigo, 101);
    EXPECT_EQ(modelo.colunas[0].strTitulo.str(), Ansi("Código"));
    EXPECT_EQ(modelo.colunas[0].iLargura, 25);
    EXPECT_EQ(modelo.colunas[1].iCodigo, 103);
    EXPECT_TRUE(modelo.colunas[1].strTitulo.IsEmpty());
    EXPECT_EQ(modelo.colunas[1].iLargura, 60);
    EXPECT_EQ(modelo.colunas[2].strTitulo.str(), Ansi("Usuários"));
    EXPECT_EQ(modelo.colunas[2].iLargura, 5);
}

// Without a FOLHA line the page is portrait; the widest and the most columns a model may have
// are taken.
TEST(GeralisModelo, LimitsAreInclusive) {
    const std::string texto = "TITULO;T\n" + Colunas(GERALIS_MODELO_COLUNAS_MAXIMO - 1) + "COLUNA;32767;Fim;300\n";
    GeralisModelo modelo;
    CZTString erro;
    ASSERT_EQ(GeralisInterpretaModelo(texto, modelo, erro), platform::S_OK) << erro.GetString();
    EXPECT_FALSE(modelo.bPaisagem);
    ASSERT_EQ(modelo.colunas.size(), static_cast<size_t>(GERALIS_MODELO_COLUNAS_MAXIMO));
    EXPECT_EQ(modelo.colunas.back().iCodigo, 32767);
    EXPECT_EQ(modelo.colunas.back().iLargura, 300);
}

struct ModeloRuim {
    const char* caso;
    std::string texto;
    const char* trecho;  // what the error text must hold (the line it names)
};

// Each broken rule is refused with GERALIS_E_MODELO_INVALIDO, the line is named, and the
// caller's model is left as it was.
TEST(GeralisModelo, EveryBrokenRuleIsRefusedWithItsLine) {
    const std::string cabeca = "TITULO;T\n";
    const std::vector<ModeloRuim> casos = {
        {"unknown keyword", cabeca + "COLUNAS;1;A;10\n", "linha 2:"},
        {"title twice", cabeca + "TITULO;Outro\nCOLUNA;1;A;10\n", "linha 2:"},
        {"title missing its text", "TITULO\nCOLUNA;1;A;10\n", "linha 1:"},
        {"empty title", "TITULO;  \nCOLUNA;1;A;10\n", "linha 1:"},
        {"title too long", "TITULO;" + std::string(201, 'x') + "\nCOLUNA;1;A;10\n", "linha 1:"},
        {"unknown orientation", cabeca + "FOLHA;DEITADA\nCOLUNA;1;A;10\n", "linha 2:"},
        {"orientation twice", cabeca + "FOLHA;RETRATO\nFOLHA;PAISAGEM\nCOLUNA;1;A;10\n", "linha 3:"},
        {"column with three fields", cabeca + "COLUNA;1;A\n", "linha 2:"},
        {"column with five fields", cabeca + "COLUNA;1;A;10;x\n", "linha 2:"},
        {"code zero", cabeca + "COLUNA;0;A;10\n", "linha 2:"},
        {"code too large", cabeca + "COLUNA;32768;A;10\n", "linha 2:"},
        {"code not a number", cabeca + "COLUNA;1a;A;10\n", "linha 2:"},
        {"negative code", cabeca + "COLUNA;-1;A;10\n", "linha 2:"},
        {"code repeated", cabeca + "COLUNA;5;A;10\nCOLUNA;5;B;10\n", "linha 3:"},
        {"caption too long", cabeca + "COLUNA;1;" + std::string(101, 'c') + ";10\n", "linha 2:"},
        {"width too small", cabeca + "COLUNA;1;A;4\n", "linha 2:"},
        {"width too large", cabeca + "COLUNA;1;A;301\n", "linha 2:"},
        {"width with unit", cabeca + "COLUNA;1;A;10mm\n", "linha 2:"},
        {"empty width", cabeca + "COLUNA;1;A;\n", "linha 2:"},
        {"line too long", cabeca + "# " + std::string(1100, 'x') + "\nCOLUNA;1;A;10\n", "linha 2:"},
        {"control character", cabeca + "COLUNA;1;A\x01;10\n", "linha 2:"},
        {"NUL inside", cabeca + std::string("COLUNA;1;A\0B;10\n", 16), "linha 2:"},
        {"too many columns", cabeca + Colunas(GERALIS_MODELO_COLUNAS_MAXIMO + 1), "linha 66:"},
        {"no title", "COLUNA;1;A;10\n", "TITULO"},
        {"no column", cabeca, "COLUNA"},
        {"empty file", "", "TITULO"},
        {"larger than allowed", cabeca + "COLUNA;1;A;10\n" + std::string(GERALIS_MODELO_BYTES_MAXIMO, '#'), "64 KiB"},
    };
    for (const ModeloRuim& caso : casos) {
        SCOPED_TRACE(caso.caso);
        GeralisModelo modelo;
        modelo.strTitulo = "anterior";
        CZTString erro;
        EXPECT_EQ(GeralisInterpretaModelo(caso.texto, modelo, erro), GERALIS_E_MODELO_INVALIDO);
        EXPECT_NE(erro.str().find(caso.trecho), std::string::npos) << erro.GetString();
        EXPECT_EQ(modelo.strTitulo.str(), "anterior");
        EXPECT_TRUE(modelo.colunas.empty());
    }
}

// A model file is read whole; a missing file gives the file layer's "not found" and names the
// path; a file larger than a model may be is refused before it is read.
TEST(GeralisModelo, FileIsReadOrItsFailureReported) {
    kelvo::testing::TestEnvironment ambiente;
    const std::string bom = ambiente.Path("bom.txt");
    kelvo::testing::WriteFile(bom, "TITULO;Locais\r\nCOLUNA;101;C\xF3" "digo;40\r\n");
    GeralisModelo modelo;
    CZTString erro;
    ASSERT_EQ(GeralisLeModelo(bom.c_str(), modelo, erro), platform::S_OK) << erro.GetString();
    EXPECT_EQ(modelo.strTitulo.str(), "Locais");
    ASSERT_EQ(modelo.colunas.size(), 1u);
    EXPECT_EQ(modelo.colunas[0].strTitulo.str(), "C\xF3" "digo");

    const std::string ausente = ambiente.Path("ausente.txt");
    EXPECT_EQ(GeralisLeModelo(ausente.c_str(), modelo, erro), platform::HResultFromWin32(2));
    EXPECT_NE(erro.str().find(ausente), std::string::npos);
    EXPECT_EQ(GeralisLeModelo(ambiente.Path("nenhuma/pasta.txt").c_str(), modelo, erro), platform::HResultFromWin32(3));

    const std::string grande = ambiente.Path("grande.txt");
    kelvo::testing::WriteFile(grande, "TITULO;T\nCOLUNA;1;A;10\n" + std::string(GERALIS_MODELO_BYTES_MAXIMO, '#'));
    EXPECT_EQ(GeralisLeModelo(grande.c_str(), modelo, erro), GERALIS_E_MODELO_INVALIDO);
    EXPECT_EQ(modelo.strTitulo.str(), "Locais");

    const std::string ruim = ambiente.Path("ruim.txt");
    kelvo::testing::WriteFile(ruim, "TITULO;T\nCOLUNA;1;A;10\nCOLUNA;1;B;10\n");
    EXPECT_EQ(GeralisLeModelo(ruim.c_str(), modelo, erro), GERALIS_E_MODELO_INVALIDO);
    EXPECT_NE(erro.str().find(ruim + ": linha 3:"), std::string::npos) << erro.GetString();
}
