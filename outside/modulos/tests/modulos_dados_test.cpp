// The stand-ins' data file: every entry read into its place, blank and comment lines passed
// over, and each malformed line refused with its number and nothing kept.
#include "outside/modulos/tests/modulos_test_support.h"
#include "util/date/day_number.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvo::testing;

constexpr platform::HRESULT kInvalido = platform::HResultFromWin32(platform::ERROR_INVALID_DATA);

// Guards the reading of every entry into the field it names.
TEST(ZTDadosModulos, ReadsEveryEntry) {
    const std::string texto =
        "# settings\r\n"
        "integracao 20 1\r\n"
        "integracao 63 255\n"
        "\n"
        "   \n"
        "titulo 2 4097 R 07/03/2014 55\n"
        "titulo 2 4097 P 07/06/2027 4294967295\n"
        "lote 9 12 3\n"
        "lancamento 3 9 12 02/01/2014 70\n"
        "pedido 123456 900 05/05/2015\n"
        "contrato 123456 901 06/05/2015\n";
    ZTDadosModulos dados;
    ASSERT_EQ(ZTLeDadosModulos(texto, dados), platform::S_OK);
    EXPECT_EQ(dados.configuracao.bIntegraFinanceiro, 1);
    EXPECT_EQ(dados.configuracao.bReservado22[41], 255);
    EXPECT_EQ(dados.configuracao.bIntegraContabil, 0);
    ASSERT_EQ(dados.titulos.size(), 2u);
    EXPECT_EQ(dados.titulos[0].eProc, 2u);
    EXPECT_EQ(dados.titulos[0].lChave, 4097u);
    EXPECT_EQ(dados.titulos[0].titulo.cTipo, 'R');
    EXPECT_EQ(dados.titulos[0].titulo.iData, ZTCalculaDiaNumero(7, 3, 2014));
    EXPECT_EQ(dados.titulos[0].titulo.lNumero, 55u);
    EXPECT_EQ(dados.titulos[1].titulo.cTipo, 'P');
    // A date after 4 June 2027 is kept as its stored short value, not refused.
    EXPECT_EQ(dados.titulos[1].titulo.iData, ZTMontaData(7, 6, 2027));
    EXPECT_EQ(dados.titulos[1].titulo.lNumero, 4294967295u);
    ASSERT_EQ(dados.lotes.size(), 1u);
    EXPECT_EQ(dados.lotes[0].lLote, 3u);
    ASSERT_EQ(dados.lancamentos.size(), 1u);
    EXPECT_EQ(dados.lancamentos[0].lLote, 3u);
    EXPECT_EQ(dados.lancamentos[0].lancamento.eProcOrigem, 9u);
    EXPECT_EQ(dados.lancamentos[0].lancamento.lChaveOrigem, 12u);
    EXPECT_EQ(dados.lancamentos[0].lancamento.lNumero, 70u);
    ASSERT_EQ(dados.pedidos.size(), 1u);
    EXPECT_EQ(dados.pedidos[0].lChaveMesAno, 123456u);
    EXPECT_EQ(dados.pedidos[0].pedido.lPedido, 900u);
    ASSERT_EQ(dados.contratos.size(), 1u);
    EXPECT_EQ(dados.contratos[0].pedido.lPedido, 901u);
}

// Guards the refusals: the first bad line's number is reported and no entry read before it stays.
TEST(ZTDadosModulos, RefusesMalformedLines) {
    const char* ruins[] = {
        "integracao 64 1",                     // past the settings record
        "integracao 1 256",                    // not a byte
        "integracao 1",                        // field missing
        "titulo 2 1 X 07/03/2014 1",           // neither receivable nor payable
        "titulo 2 1 R 06/06/2106 1",           // beyond the short dates
        "titulo 2 1 R 31/02/2014 1",           // no such date
        "titulo 2 4294967296 R 07/03/2014 1",  // key beyond 32 bits
        "lote 1 2",                            // field missing
        "lote 1 2 3 4",                        // field too many
        "lancamento 3 9 -12 02/01/2014 70",    // signed key
        "pedido 1 2 x",                        // no date
        "fatura 1 2 3",                        // unknown entry
    };
    for (const char* ruim : ruins) {
        ZTDadosModulos dados;
        int linha = 0;
        EXPECT_EQ(ZTLeDadosModulos(std::string("lote 1 2 3\n") + ruim + "\n", dados, &linha), kInvalido) << ruim;
        EXPECT_EQ(linha, 2) << ruim;
        EXPECT_TRUE(dados.lotes.empty()) << ruim;
    }
}

// Guards the company file: a missing one is empty data, an unknown company has no folder, and a
// file beyond the size limit is refused rather than read in part.
TEST(ZTDadosModulos, CompanyFile) {
    EmpresaModulos empresa;
    ZTDadosModulos dados;
    EXPECT_EQ(ZTCarregaDadosModulos(EmpresaModulos::kEmpresa, dados), platform::S_OK);
    EXPECT_TRUE(dados.lotes.empty());
    EXPECT_EQ(ZTCarregaDadosModulos("NINGUEM", dados), platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND));
    empresa.Dados("lote 1 2 3\n");
    ASSERT_EQ(ZTCarregaDadosModulos(EmpresaModulos::kEmpresa, dados), platform::S_OK);
    EXPECT_EQ(dados.lotes.size(), 1u);
    empresa.Dados(std::string(ZT_TAM_MAXIMO_DADOS_MODULOS + 1, '\n'));
    EXPECT_EQ(ZTCarregaDadosModulos(EmpresaModulos::kEmpresa, dados), kInvalido);
}

}  // namespace
