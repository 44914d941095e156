// Sessions of the demo company in the real Vaultis process, reached through the client library:
// the session opens, the properties travel both ways and land at their offsets in QDMESTRE.DAT,
// location numbers handed to two client processes at once are never the same, and a connection
// whose start failed writes nothing.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_doc.h"
#include "outside/pendora/qd_propriedades.h"
#include "platform/com/bstr.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/tests/demo_client_process.h"
#include "server/tests/process_test_support.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "server/tests/session_test_support.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr int kChamadas = 500;

class SessaoVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
        pasta_ = PastaDemo();
    }

    // A client process: opens its session and, once every client of `juntos` is connected, takes
    // kChamadas numbers and sends them (or, on a failure, the HRESULT with a count of 0) through
    // `relata`.
    static pid_t Cliente(ProcessBarrier& juntos, int relata, int sessao) {
        return ClienteDemo(juntos, relata, sessao, [](CSilentConexaoGedSrv& conexao, std::vector<std::uint32_t>& numeros) {
            HRESULT hr = platform::S_OK;
            for (int i = 0; i < kChamadas && platform::SUCCEEDED(hr); ++i) {
                std::uint32_t numero = 0;
                hr = conexao.GetProximoNrLocalizacao(&numero);
                numeros.push_back(numero);
            }
            return hr;
        });
    }

    TestEnvironment ambiente_;
    std::string pasta_;
};

// The demo company's session opens in the server process; properties written through the client
// library read back equal and lie in record 0 of QDMESTRE.DAT at their offsets, texts in
// QDDOCDSC.DAT where the record says.
TEST_F(SessaoVaultis, DemoCompanyPropertiesTravelBothWaysAndLieAtTheirOffsets) {
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        CQDPropriedades propriedades;
        ASSERT_EQ(conexao.LePropriedades(propriedades), platform::S_OK);
        EXPECT_EQ(propriedades->bFlags, 0x0B);
        EXPECT_EQ(propriedades->iVersaoSistema, 1);

        QD_PROPRIEDADES_PS& ps = propriedades.GetPS();
        ps.iProxNumeroDoc = 0x00C0FFEE;
        ps.iCodigoCliente = 4321;
        ps.iPorta = 587;
        ps.bAcessoTotalSupervisor = 1;
        ps.bExcluiDocumentoRegistrado = 1;
        ps.timeControle = 0x12345678;
        ps.bBaseControlada = 1;
        ps.bEnviarEmail = 1;
        ps.bPermitirPreVisualizacao = 1;
        ps.bManterTelaRelatorioAtiva = 1;
        platform::SysFreeString(ps.bsEmailPara);
        ps.bsEmailPara = platform::SysAllocStringFromAnsi("contato@demo.com");
        ASSERT_EQ(conexao.GravaPropriedades(propriedades), platform::S_OK);

        CQDPropriedades lidas;
        ASSERT_EQ(conexao.LePropriedades(lidas), platform::S_OK);
        EXPECT_EQ(lidas->iProxNumeroDoc, 0x00C0FFEEu);
        EXPECT_EQ(lidas->iCodigoCliente, 4321u);
        EXPECT_EQ(lidas->timeControle, 0x12345678);
        EXPECT_EQ(platform::AnsiFromBstr(lidas->bsEmailPara).str(), "contato@demo.com");
        EXPECT_EQ(platform::SysStringLen(lidas->bsDominio), 0u);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string mestre = ReadFile(pasta_ + "QDMESTRE.DAT");
    ASSERT_EQ(mestre.size(), 256u);
    struct Campo {
        std::size_t offset;
        std::size_t largura;
        std::uint32_t valor;
    };
    const Campo campos[] = {
        {0, 4, 0x00C0FFEE}, {4, 2, 4321}, {6, 1, 1}, {7, 1, 1}, {8, 4, 0x12345678}, {12, 1, 1}, {13, 1, 0},
        {14, 1, 0x0B},      {15, 1, 1},   {16, 4, 0}, {20, 4, 0}, {24, 2, 587},      {26, 2, 1}, {36, 4, 16},
        {52, 1, 1},         {53, 1, 1},
    };
    for (const Campo& campo : campos) EXPECT_EQ(NumeroEm(mestre, campo.offset, campo.largura), campo.valor) << campo.offset;
    EXPECT_EQ(mestre.substr(54), std::string(202, '\0'));
    const std::string descricoes = ReadFile(pasta_ + "QDDOCDSC.DAT");
    EXPECT_EQ(descricoes.substr(NumeroEm(mestre, 40, 4), 16), "contato@demo.com");
}

// Two client processes taking 500 numbers each at the same time get 1,000 different numbers, one
// after the other, and the record keeps the next one.
TEST_F(SessaoVaultis, TwoProcessesGetDistinctLocationNumbers) {
    Tubo relatosA, relatosB;
    // Both connected before either asks: one server serves them, and their calls can meet.
    ProcessBarrier juntos(2);
    const pid_t a = Cliente(juntos, relatosA.fd[1], 1);
    const pid_t b = Cliente(juntos, relatosB.fd[1], 2);
    EXPECT_TRUE(juntos.ReleaseAll());
    std::vector<std::uint32_t> todos;
    for (const int fd : {relatosA.fd[0], relatosB.fd[0]}) {
        HRESULT hr = 0;
        std::vector<std::uint32_t> numeros;
        ASSERT_TRUE(LeRelato(fd, hr, numeros));
        ASSERT_EQ(hr, platform::S_OK);
        ASSERT_EQ(numeros.size(), static_cast<std::size_t>(kChamadas));
        // Each client sees its own numbers rising.
        EXPECT_TRUE(std::is_sorted(numeros.begin(), numeros.end()));
        todos.insert(todos.end(), numeros.begin(), numeros.end());
    }
    EXPECT_EQ(EsperaFim(a), 0);
    EXPECT_EQ(EsperaFim(b), 0);
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::set<std::uint32_t> distintos(todos.begin(), todos.end());
    ASSERT_EQ(distintos.size(), 2u * kChamadas);
    EXPECT_EQ(*distintos.rbegin() - *distintos.begin(), 2u * kChamadas - 1);
    EXPECT_EQ(NumeroEm(ReadFile(pasta_ + "QDMESTRE.DAT"), 0, 4), *distintos.rbegin() + 1);
}

// A user who does not exist gets no session, and the connection's later writes are refused
// before they reach a file, while another connection has the company open: no document stored
// under that user, no number handed out, no log entry.
TEST_F(SessaoVaultis, ConnectionWhoseStartFailedWritesNothing) {
    const auto arquivos = {"QDDOC.DAT", "QDMESTRE.DAT", "QDLOG.DAT"};
    {
        CSilentConexaoGedSrv aberta;  // the company's files exist, so a write that got through would show
        ASSERT_EQ(aberta.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        std::vector<std::string> antes;
        for (const char* arquivo : arquivos) antes.push_back(ReadFile(pasta_ + arquivo));

        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, 4321, 2), CONEXO_E_USUARIO_INEXISTENTE);
        std::uint32_t posicao = 0;
        EXPECT_EQ(conexao.GravaDoc(&posicao, CQDDoc(), 0), platform::HResultFromMessage(16179));
        EXPECT_EQ(posicao, 0u);
        std::uint32_t numero = 0;
        EXPECT_EQ(conexao.GetProximoNrLocalizacao(&numero), platform::HResultFromMessage(16179));

        std::vector<std::string> depois;
        for (const char* arquivo : arquivos) depois.push_back(ReadFile(pasta_ + arquivo));
        EXPECT_EQ(depois, antes);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

}  // namespace
