// The report builder's rules: columns from the model and declared by the report, lines of one
// value per column, subordinate, special and note lines, and calls out of order refused.
#include "outside/geralis/geralis_definicoes.h"
#include "outside/geralis/monta_relatorio.h"
#include "outside/geralis/tests/apoio_relatorio.h"

#include "platform/tests/support/test_environment.h"
#include "util/date/day_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using platform::HRESULT;
using platform::S_OK;

namespace {

constexpr char kModelo[] =
    "TITULO;Tipos de Documentos\n"
    "COLUNA;101;C\xF3" "digo;20\n"
    "COLUNA;102;;25\n"
    "COLUNA;104;Processo;40\n";

HRESULT Texto(CMontaRelatorio& relatorio, const std::string& texto) {
    return relatorio.Adiciona(texto.c_str(), GERALIS_TIPO_TEXTO, static_cast<int>(texto.size()));
}
HRESULT TextoSubordinado(CMontaRelatorio& relatorio, const std::string& texto) {
    return relatorio.AdicionaSubordinada(texto.c_str(), GERALIS_TIPO_TEXTO, static_cast<int>(texto.size()));
}

std::vector<std::string> Valores(const GeralisLinha& linha) {
    std::vector<std::string> valores;
    for (const CZTString& valor : linha.valores) valores.push_back(valor.str());
    return valores;
}

class Monta : public ::testing::Test {
protected:
    void SetUp() override {
        modelos_ = ambiente_.Folder() / "modelos";
        geralis_teste::ConfiguraPastaModelos(modelos_);
        geralis_teste::GravaModelo(modelos_, "TPD", "Padr\xE3o", kModelo);
    }

    HRESULT Inicia(const char* modelo = "Padr\xE3o") {
        return relatorio_.Inicializa("/dados/emp", 7, 1234, "Empresa Demonstra\xE7\xE3o", "QD", "TPD",
                                     ambiente_.Path("saida.pdf").c_str(), modelo);
    }

    // Declares the three model columns as text columns.
    void Declara() {
        ASSERT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 10, "C\xF3" "d."), S_OK);
        ASSERT_EQ(relatorio_.AdicionaDetalhe(102, GERALIS_TIPO_TEXTO, 10, "Tipo"), S_OK);
        ASSERT_EQ(relatorio_.AdicionaDetalhe(104, GERALIS_TIPO_TEXTO, 50, "Proc."), S_OK);
    }

    void Linha(const std::string& a, const std::string& b, const std::string& c) {
        ASSERT_EQ(Texto(relatorio_, a), S_OK);
        ASSERT_EQ(Texto(relatorio_, b), S_OK);
        ASSERT_EQ(Texto(relatorio_, c), S_OK);
        ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);
    }

    kelvo::testing::TestEnvironment ambiente_;
    std::filesystem::path modelos_;
    CMontaRelatorio relatorio_;
};

}  // namespace

// The model's columns are counted and coded in its order; out-of-range indexes answer 0; the
// session and the heading are kept as given.
TEST_F(Monta, ColumnsComeFromTheModel) {
    ASSERT_EQ(Inicia(), S_OK) << relatorio_.GetDescricaoErro().GetString();
    ASSERT_EQ(relatorio_.GetNumeroColunas(), 3);
    EXPECT_EQ(relatorio_.GetCodigoColuna(0), 101);
    EXPECT_EQ(relatorio_.GetCodigoColuna(1), 102);
    EXPECT_EQ(relatorio_.GetCodigoColuna(2), 104);
    EXPECT_EQ(relatorio_.GetCodigoColuna(3), 0);
    EXPECT_EQ(relatorio_.GetCodigoColuna(-1), 0);
    EXPECT_EQ(relatorio_.GetPathEmpresa().str(), "/dados/emp");
    EXPECT_EQ(relatorio_.GetUsuario(), 7);
    EXPECT_EQ(relatorio_.GetNumeroSessao(), 1234);
    EXPECT_EQ(relatorio_.GetArquivo().str(), ambiente_.Path("saida.pdf"));
    EXPECT_EQ(relatorio_.GetConteudo().strEmpresa.str(), "Empresa Demonstra\xE7\xE3o");
    EXPECT_EQ(relatorio_.GetConteudo().strTitulo.str(), "Tipos de Documentos");
}

// The model's caption wins; the declared caption fills a column the model left without one.
TEST_F(Monta, DeclaredCaptionOnlyWhereTheModelHasNone) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    const std::vector<GeralisColuna>& colunas = relatorio_.GetConteudo().colunas;
    EXPECT_EQ(colunas[0].strTitulo.str(), "C\xF3" "digo");
    EXPECT_EQ(colunas[1].strTitulo.str(), "Tipo");
    EXPECT_EQ(colunas[2].strTitulo.str(), "Processo");
    EXPECT_EQ(relatorio_.AdicionaDetalhe(102, GERALIS_TIPO_TEXTO, 10, "Outra"), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(colunas[1].strTitulo.str(), "Tipo");
}

// A missing or broken model fails Inicializa with its cause, and the object stays unusable.
TEST_F(Monta, BadModelLeavesTheBuilderUninitialised) {
    EXPECT_EQ(Inicia("Inexistente"), platform::HResultFromWin32(2));
    EXPECT_EQ(relatorio_.GetNumeroColunas(), 0);
    geralis_teste::GravaModelo(modelos_, "TPD", "Quebrado", "TITULO;T\nCOLUNA;101;A;10\nLINHA;x\n");
    EXPECT_EQ(Inicia("Quebrado"), GERALIS_E_MODELO_INVALIDO);
    EXPECT_NE(relatorio_.GetDescricaoErro().str().find("Quebrado.txt: linha 3:"), std::string::npos)
        << relatorio_.GetDescricaoErro().GetString();
    EXPECT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 10, "A"), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(Inicia("../TPD/Padr\xE3o"), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.Inicializa("/e", 1, 1, "E", "QD", "TPD", "", "Padr\xE3o"), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.GeraRelatorio(), GERALIS_E_SEQUENCIA);
}

// Every call before Inicializa, and after Finaliza, is out of order.
TEST_F(Monta, CallsOutsideAReportAreOutOfOrder) {
    const auto todas = [this] {
        const std::string x = "x";
        EXPECT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 1, "A"), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(relatorio_.AdicionaColunaDinamica(901, GERALIS_TIPO_TEXTO, 1, "A"), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(Texto(relatorio_, x), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(relatorio_.AdicionaDetalheSubordinada(101, GERALIS_TIPO_TEXTO, 1), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(TextoSubordinado(relatorio_, x), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(relatorio_.FinalizaLinha(), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(relatorio_.AdicionaLinhaEspecial(GERALIS_LINHA_SEPARADORA), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(relatorio_.GeraRelatorio(), GERALIS_E_SEQUENCIA);
        EXPECT_EQ(relatorio_.GetNumeroColunas(), 0);
    };
    todas();
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    Linha("1", "Grupo", "Arquivar");
    relatorio_.Finaliza();
    todas();
    EXPECT_TRUE(relatorio_.GetConteudo().linhas.empty());
}

// Values go into the columns in order, each of its column's declared kind; a value before its
// column is declared, of another kind, or beyond the last column is refused without changing
// the line.
TEST_F(Monta, ValuesFollowTheDeclaredColumns) {
    ASSERT_EQ(Inicia(), S_OK);
    EXPECT_EQ(Texto(relatorio_, "cedo"), GERALIS_E_SEQUENCIA);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_INTEIRO, 4, "N"), S_OK);
    EXPECT_EQ(relatorio_.AdicionaDetalhe(999, GERALIS_TIPO_TEXTO, 4, "?"), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.AdicionaDetalhe(102, 5, 4, "?"), GERALIS_E_ARGUMENTO);
    const std::int32_t numero = 42;
    EXPECT_EQ(Texto(relatorio_, "42"), GERALIS_E_ARGUMENTO);
    ASSERT_EQ(relatorio_.Adiciona(&numero, GERALIS_TIPO_INTEIRO, 4), S_OK);
    EXPECT_EQ(Texto(relatorio_, "ainda nao"), GERALIS_E_SEQUENCIA);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(102, GERALIS_TIPO_DIA, 2, "Dia"), S_OK);
    ASSERT_EQ(relatorio_.AdicionaDetalhe(104, GERALIS_TIPO_TEXTO, 8, "P"), S_OK);
    const auto dia = static_cast<std::uint16_t>(ZTCalculaDiaNumero(3, 4, 2021));
    ASSERT_EQ(relatorio_.Adiciona(&dia, GERALIS_TIPO_DIA, 2), S_OK);
    ASSERT_EQ(Texto(relatorio_, "Processo longo demais"), S_OK);
    EXPECT_EQ(Texto(relatorio_, "excedente"), GERALIS_E_ARGUMENTO);
    ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);
    ASSERT_EQ(relatorio_.GetConteudo().linhas.size(), 1u);
    EXPECT_EQ(Valores(relatorio_.GetConteudo().linhas[0]), (std::vector<std::string>{"42", "03/04/2021", "Processo longo demais"}));
    EXPECT_EQ(relatorio_.GetConteudo().colunas[0].iTipo, GERALIS_TIPO_INTEIRO);
}

// A line closed short is refused and stays open, so that its missing values can still come.
TEST_F(Monta, ShortLineIsRefusedAndStaysOpen) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    ASSERT_EQ(Texto(relatorio_, "1"), S_OK);
    ASSERT_EQ(Texto(relatorio_, "Grupo"), S_OK);
    EXPECT_EQ(relatorio_.FinalizaLinha(), GERALIS_E_LINHA_INCOMPLETA);
    EXPECT_EQ(relatorio_.AdicionaLinhaEspecial(GERALIS_LINHA_SEPARADORA), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(relatorio_.GeraRelatorio(), GERALIS_E_SEQUENCIA);
    EXPECT_TRUE(relatorio_.GetConteudo().linhas.empty());
    ASSERT_EQ(Texto(relatorio_, "Arquivar"), S_OK);
    ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);
    EXPECT_EQ(relatorio_.FinalizaLinha(), GERALIS_E_SEQUENCIA);
    ASSERT_EQ(relatorio_.GetConteudo().linhas.size(), 1u);
    EXPECT_EQ(Valores(relatorio_.GetConteudo().linhas[0]), (std::vector<std::string>{"1", "Grupo", "Arquivar"}));
}

// Dynamic columns follow the model's, sized from their values, only while the first line is
// being built; their codes are new and within range.
TEST_F(Monta, DynamicColumnsOnlyOnTheFirstLine) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    ASSERT_EQ(Texto(relatorio_, "1"), S_OK);
    ASSERT_EQ(Texto(relatorio_, "A"), S_OK);
    ASSERT_EQ(Texto(relatorio_, "P"), S_OK);
    EXPECT_EQ(relatorio_.AdicionaColunaDinamica(101, GERALIS_TIPO_TEXTO, 128, "Repetido"), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.AdicionaColunaDinamica(0, GERALIS_TIPO_TEXTO, 128, "Zero"), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.AdicionaColunaDinamica(40000, GERALIS_TIPO_TEXTO, 128, "Grande"), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.AdicionaColunaDinamica(902, GERALIS_TIPO_DIA, 4, "Largura"), GERALIS_E_ARGUMENTO);
    ASSERT_EQ(relatorio_.AdicionaColunaDinamica(901, GERALIS_TIPO_TEXTO, 128, "Nota fiscal"), S_OK);
    ASSERT_EQ(Texto(relatorio_, "NF 12"), S_OK);
    ASSERT_EQ(relatorio_.AdicionaColunaDinamica(902, GERALIS_TIPO_DIA, 2, "Vencimento"), S_OK);
    const std::uint16_t semData = 0;
    ASSERT_EQ(relatorio_.Adiciona(&semData, GERALIS_TIPO_DIA, 2), S_OK);
    ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);
    EXPECT_EQ(relatorio_.AdicionaColunaDinamica(903, GERALIS_TIPO_TEXTO, 10, "Tarde"), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(relatorio_.GetNumeroColunas(), 3);
    const std::vector<GeralisColuna>& colunas = relatorio_.GetConteudo().colunas;
    ASSERT_EQ(colunas.size(), 5u);
    EXPECT_EQ(colunas[3].iCodigo, 901);
    EXPECT_EQ(colunas[3].strTitulo.str(), "Nota fiscal");
    EXPECT_GT(colunas[3].dLargura, 0);
    EXPECT_EQ(colunas[4].iTipo, GERALIS_TIPO_DIA);
    // A line of the model's columns alone is now short.
    ASSERT_EQ(Texto(relatorio_, "2"), S_OK);
    ASSERT_EQ(Texto(relatorio_, "B"), S_OK);
    ASSERT_EQ(Texto(relatorio_, "Q"), S_OK);
    EXPECT_EQ(relatorio_.FinalizaLinha(), GERALIS_E_LINHA_INCOMPLETA);
}

// Subordinate lines put their values under the report's columns of the same code, empty
// elsewhere; they need a line above them and their own declarations, and do not mix with an
// open line.
TEST_F(Monta, SubordinateLinesFillTheirColumns) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    ASSERT_EQ(relatorio_.AdicionaDetalheSubordinada(104, GERALIS_TIPO_TEXTO, 50), S_OK);
    EXPECT_EQ(TextoSubordinado(relatorio_, "sem linha acima"), GERALIS_E_SEQUENCIA);
    Linha("1", "Grupo", "Arquivar");
    ASSERT_EQ(TextoSubordinado(relatorio_, "Digitalizar"), S_OK);
    EXPECT_EQ(TextoSubordinado(relatorio_, "sem coluna"), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(Texto(relatorio_, "misturado"), GERALIS_E_SEQUENCIA);
    ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);

    EXPECT_EQ(relatorio_.AdicionaDetalheSubordinada(104, GERALIS_TIPO_TEXTO, 50), GERALIS_E_SEQUENCIA);
    EXPECT_EQ(relatorio_.AdicionaDetalheSubordinada(555, GERALIS_TIPO_TEXTO, 50), GERALIS_E_ARGUMENTO);
    ASSERT_EQ(relatorio_.AdicionaDetalheSubordinada(101, GERALIS_TIPO_INTEIRO, 4), S_OK);
    EXPECT_EQ(TextoSubordinado(relatorio_, "Conferir"), S_OK);
    EXPECT_EQ(TextoSubordinado(relatorio_, "tipo errado"), GERALIS_E_ARGUMENTO);
    const std::int32_t dois = 2;
    ASSERT_EQ(relatorio_.AdicionaSubordinada(&dois, GERALIS_TIPO_INTEIRO, 4), S_OK);
    ASSERT_EQ(relatorio_.FinalizaLinha(), S_OK);

    ASSERT_EQ(TextoSubordinado(relatorio_, "curta"), S_OK);
    EXPECT_EQ(relatorio_.FinalizaLinha(), GERALIS_E_LINHA_INCOMPLETA);
    EXPECT_EQ(Texto(relatorio_, "misturado"), GERALIS_E_SEQUENCIA);

    const std::vector<GeralisLinha>& linhas = relatorio_.GetConteudo().linhas;
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[1].eTipo, GeralisTipoLinha::Subordinada);
    EXPECT_EQ(Valores(linhas[1]), (std::vector<std::string>{"", "", "Digitalizar"}));
    EXPECT_EQ(Valores(linhas[2]), (std::vector<std::string>{"2", "", "Conferir"}));
}

// Special line 100 is a rule between lines; other codes, and one inside an open line, are refused.
TEST_F(Monta, SpecialLineIsASeparatorBetweenLines) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    ASSERT_EQ(relatorio_.AdicionaLinhaEspecial(GERALIS_LINHA_SEPARADORA), S_OK);
    EXPECT_EQ(relatorio_.AdicionaLinhaEspecial(101), GERALIS_E_ARGUMENTO);
    EXPECT_EQ(relatorio_.AdicionaLinhaEspecial(0), GERALIS_E_ARGUMENTO);
    ASSERT_EQ(Texto(relatorio_, "1"), S_OK);
    EXPECT_EQ(relatorio_.AdicionaLinhaEspecial(GERALIS_LINHA_SEPARADORA), GERALIS_E_SEQUENCIA);
    const std::vector<GeralisLinha>& linhas = relatorio_.GetConteudo().linhas;
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].eTipo, GeralisTipoLinha::Separadora);
    EXPECT_TRUE(linhas[0].valores.empty());
}

// A line with a value that starts with the note marker becomes a note of that value's text,
// whatever column holds it; the marker itself is not kept.
TEST_F(Monta, MarkedValueMakesTheLineANote) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    Linha("", "\xF2* informa\xE7\xE3o retirada da base no estado atual", "");
    Linha("1", "sem \xF2 no come\xE7o", "x");
    const std::vector<GeralisLinha>& linhas = relatorio_.GetConteudo().linhas;
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].eTipo, GeralisTipoLinha::Nota);
    EXPECT_EQ(Valores(linhas[0]), (std::vector<std::string>{"* informa\xE7\xE3o retirada da base no estado atual"}));
    EXPECT_EQ(linhas[1].eTipo, GeralisTipoLinha::Principal);
}

// Starting again drops everything the earlier report held.
TEST_F(Monta, InicializaStartsAfresh) {
    ASSERT_EQ(Inicia(), S_OK);
    Declara();
    Linha("1", "A", "P");
    ASSERT_EQ(relatorio_.AdicionaColunaDinamica(901, GERALIS_TIPO_TEXTO, 0, "x"), GERALIS_E_SEQUENCIA);
    ASSERT_EQ(Inicia(), S_OK);
    EXPECT_TRUE(relatorio_.GetConteudo().linhas.empty());
    EXPECT_EQ(relatorio_.GetConteudo().colunas.size(), 3u);
    EXPECT_EQ(relatorio_.AdicionaColunaDinamica(901, GERALIS_TIPO_TEXTO, 10, "x"), S_OK);
    EXPECT_EQ(relatorio_.AdicionaDetalhe(101, GERALIS_TIPO_TEXTO, 10, "A"), S_OK);
}
