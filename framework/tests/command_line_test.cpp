// CZTFCParametros and ProcessaLinhaComando: what the letter map and the list of switches keep,
// the prefix search, and which command lines preselect a company.
#include "framework/application/zt_fc_parametros.h"
#include "framework/application/zt_kelvo_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Splits `linha` at blanks and parses it as the program's command line.
std::vector<platform::String> Argumentos(const std::string& linha) {
    std::vector<platform::String> argumentos;
    for (std::size_t inicio = 0; inicio < linha.size();) {
        const std::size_t fim = std::min(linha.find(' ', inicio), linha.size());
        argumentos.emplace_back(linha.substr(inicio, fim - inicio).c_str());
        inicio = fim + 1;
    }
    return argumentos;
}

CZTFCParametros Le(const std::string& linha) {
    CZTFCParametros parametros;
    platform::ui::ParseArguments(parametros, Argumentos(linha));
    return parametros;
}

// Only a non-zero branch together with a company code preselects; E, U and L are upper case.
TEST(ProcessaLinhaComando, PreselectsOnlyWithBranchAndCompany) {
    const struct {
        const char* linha;
        bool preSelecionada;
        const char* empresa;
        std::uint16_t filial;
        std::int32_t secao;
    } casos[] = {
        {"/E0001 /U1 /L5123", true, "0001", 1, 5123},
        {"-E0002 -U3", true, "0002", 3, 0},
        {"/E0001", false, "", 0, 0},
        {"/U0 /E0001", false, "", 0, 0},
        {"/U7", false, "", 0, 0},
        {"/e0001 /U1", false, "", 0, 0},
        // The branch is 16 bits: 65536 is branch 0, 65537 branch 1.
        {"/U65536 /E0001 /L9", false, "", 0, 0},
        {"/U65537 /E0001 /L9", true, "0001", 1, 9},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.linha);
        CZTKelvoApp app;
        app.m_arguments = Argumentos(caso.linha);
        CZTFCParametros parametros;
        app.ProcessaLinhaComando(parametros);
        const CZTKelvoAppInfo& info = *app.GetAppInfo();
        EXPECT_EQ(info.GetEmpresaPreSelecionada(), caso.preSelecionada);
        EXPECT_EQ(info.GetEmpresa(), caso.empresa);
        EXPECT_EQ(info.GetFilial(), caso.filial);
        EXPECT_EQ(info.GetNumeroSecao(), caso.secao);
    }
}

// The letter map keeps switch characters 2 to 259, the list of switches all of them.
TEST(CZTFCParametros, LongSwitchIsCutInTheLetterMapOnly) {
    std::string resto;
    for (int i = 0; i < 299; ++i) resto += static_cast<char>('0' + i % 10);
    const CZTFCParametros parametros = Le("/A" + resto);
    EXPECT_EQ(parametros.GetParametro('A').str(), resto.substr(0, 258));
    EXPECT_EQ(parametros.GetParametroPorPrefixo("A").str(), resto);
}

// A later switch of the same letter replaces the letter map's value; the prefix search walks
// the switches as typed and stops at the first.
TEST(CZTFCParametros, RepeatedLetterMapKeepsTheLaterPrefixFindsTheEarlier) {
    const CZTFCParametros parametros = Le("/Xprimeiro /Y /Xsegundo");
    EXPECT_EQ(parametros.GetParametro('X'), "segundo");
    EXPECT_EQ(parametros.GetParametroPorPrefixo("X"), "primeiro");
}

// The prefix is removed wherever it occurs, not only at the front; no match is FALSE and empty.
TEST(CZTFCParametros, PrefixSearchRemovesEveryOccurrence) {
    const CZTFCParametros parametros = Le("/ZZ1 /XAXB");
    CZTString valor = "antes";
    EXPECT_TRUE(parametros.BuscaParametroPorPrefixo("X", valor));
    EXPECT_EQ(valor, "AB");
    EXPECT_TRUE(parametros.ExisteParametroPorPrefixo("ZZ"));
    EXPECT_EQ(parametros.GetParametroPorPrefixo("ZZ"), "1");
    valor = "antes";
    EXPECT_FALSE(parametros.BuscaParametroPorPrefixo("Q", valor));
    EXPECT_EQ(valor, "antes");
    EXPECT_FALSE(parametros.ExisteParametroPorPrefixo("AB"));
    EXPECT_EQ(parametros.GetParametroPorPrefixo("AB"), "");
}

// Upper and lower case are different letters.
TEST(CZTFCParametros, LettersAreCaseSensitive) {
    const CZTFCParametros parametros = Le("/e0001 /U1");
    CZTString valor;
    EXPECT_TRUE(parametros.BuscaParametro('e', valor));
    EXPECT_EQ(valor, "0001");
    EXPECT_FALSE(parametros.BuscaParametro('E', valor));
    EXPECT_FALSE(parametros.ExisteParametro('E'));
    EXPECT_EQ(parametros.GetParametro('E'), "");
    EXPECT_TRUE(parametros.ExisteParametro('U'));
}

// A parameter that is no switch still names the file to open, as the window layer's base does.
TEST(CZTFCParametros, PlainParameterKeepsTheBaseMeaning) {
    const CZTFCParametros parametros = Le("/E0001 contrato.qd");
    EXPECT_EQ(parametros.m_strFileName, "contrato.qd");
    EXPECT_EQ(parametros.m_nShellCommand, platform::ui::CommandLineInfo::FileOpen);
    EXPECT_FALSE(parametros.ExisteParametro('c'));
}

}  // namespace
