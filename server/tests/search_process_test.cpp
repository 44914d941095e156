// Both document searches of the demo company in the real Vaultis process, reached through the
// client library: the filter, its arrays and texts cross the socket, and the quick search calls
// the object's own methods inside the server.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "platform/system/process_spawn.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/search_test_support.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using Lista = std::vector<std::uint32_t>;

class BuscaVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
    }

    TestEnvironment ambiente_;
};

std::uint32_t GravaTipo(CConexaoGedSrv& conexao, const char* codigo) {
    std::uint32_t posicao = 0;
    EXPECT_EQ(conexao.GravaTipDoc(&posicao, Monta(TipoTeste{codigo, "Tipo", 0, {}, {}, {}})), platform::S_OK);
    return posicao;
}

std::uint32_t GravaDoc(CConexaoGedSrv& conexao, std::uint32_t tipo, const char* descricaoUtf8) {
    DadosDoc dados;
    dados.lTipDoc = tipo;
    dados.descricao = Ansi(descricaoUtf8);
    dados.campos = {{QD_CAMPO_LIVRE_DMA_0, ValorWord(150)}};
    std::uint32_t posicao = 0;
    EXPECT_EQ(conexao.GravaDoc(&posicao, Documento(dados), 0xF), platform::S_OK);
    return posicao;
}

// A filter with a type list, field conditions and a description, and a quick search with an
// accented word, answered by the server process.
TEST_F(BuscaVaultis, BothSearchesThroughTheServerProcess) {
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        const std::uint32_t t01 = GravaTipo(conexao, "01");
        const std::uint32_t t0101 = GravaTipo(conexao, "0101");
        const std::uint32_t t02 = GravaTipo(conexao, "02");
        const std::uint32_t a = GravaDoc(conexao, t0101, "Ação de despejo");
        const std::uint32_t b = GravaDoc(conexao, t02, "Ação trabalhista");
        const std::uint32_t c = GravaDoc(conexao, t01, "acao de cobranca, acao");

        FiltroTeste filtro;
        filtro.tipos = {t01};
        filtro.campos = {{QD_CAMPO_LIVRE_DMA_0, ValorWord(100)}, {QD_CAMPO_LIVRE_DMA_0, ValorWord(200)}};
        CQDArrayPonteiros ponteiros;
        ASSERT_EQ(conexao.BuscaPtrsDoc(filtro.Monta(), ponteiros), platform::S_OK);
        EXPECT_EQ(Posicoes(ponteiros), (Lista{a, c}));

        filtro.dwFlags = 0x1;
        filtro.campos = {};
        filtro.descricao = Ansi("ação");
        ASSERT_EQ(conexao.BuscaPtrsDoc(filtro.Monta(), ponteiros), platform::S_OK);
        EXPECT_EQ(Posicoes(ponteiros), (Lista{a, c}));  // a: the type and a hit; c: the type alone

        platform::BSTR texto = platform::SysAllocStringFromAnsi("acao");
        ASSERT_EQ(conexao.BuscaRapida(texto, 0, ponteiros), platform::S_OK);
        platform::SysFreeString(texto);
        EXPECT_EQ(Posicoes(ponteiros), (Lista{c, a, b}));
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

}  // namespace
