// The real Vaultis process, started by activation from its registration and reached through the
// client library from several client processes.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "server/tests/process_test_support.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::HRESULT;
using namespace kelvo::testing;

// What a client process reports through its pipe.
struct Relato {
    HRESULT inicializa = 0;
    HRESULT modoServico = 0;
    HRESULT pendente = 0;
};

// One session's calls: a session for a company the registry does not know (no data directory),
// the service mode, and a location number, which without a data directory has no file.
Relato Chamadas(CConexaoGedSrv& conexao, int sessao) {
    Relato relato;
    relato.inicializa = conexao.Inicializa("EMPRESA", 1, sessao);
    relato.modoServico = conexao.SetModoServico();
    std::uint32_t proximo = 0;
    relato.pendente = conexao.GetProximoNrLocalizacao(&proximo);
    return relato;
}

class VaultisProcess : public ::testing::Test {
protected:
    void SetUp() override {
        // Servers start detached; as the nearest reaper this test can wait for them to end.
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        std::string saida;
        int codigo = -1;
        ASSERT_EQ(platform::RunAndCapture({KELVO_VAULTIS, "-RegServer"}, saida, &codigo), platform::ERROR_SUCCESS);
        ASSERT_EQ(codigo, 0) << saida;
    }

    // A client process: waits for "go", opens its session, reports, waits for "release", calls
    // once more, reports, releases its connection and ends.
    pid_t Cliente(int vai, int solta, int relata, int sessao) {
        const pid_t filho = ::fork();
        if (filho != 0) return filho;
        char sinal = 0;
        if (!Le(vai, &sinal, 1)) ::_exit(3);
        {
            CSilentConexaoGedSrv conexao;
            Relato relato = Chamadas(conexao, sessao);
            if (!Escreve(relata, &relato, sizeof relato)) ::_exit(4);
            if (!Le(solta, &sinal, 1)) ::_exit(5);
            relato.modoServico = conexao.SetModoServico();
            if (!Escreve(relata, &relato, sizeof relato)) ::_exit(4);
        }
        ::_exit(0);
    }

    kelvo::testing::TestEnvironment ambiente_;
};

void ConfereRelato(const Relato& relato) {
    EXPECT_EQ(relato.inicializa, static_cast<HRESULT>(0x80043F59));
    EXPECT_EQ(relato.modoServico, platform::S_OK);
    EXPECT_EQ(relato.pendente, platform::HResultFromMessage(16179));
}

// Two clients activating at the same moment reach one server process through the client
// library; it serves both, outlives the first release and ends with the second.
TEST_F(VaultisProcess, TwoClientsShareOneServerThatEndsWithTheLastRelease) {
    Tubo vai, soltaA, soltaB, relatos;
    const pid_t a = Cliente(vai.fd[0], soltaA.fd[0], relatos.fd[1], 1);
    const pid_t b = Cliente(vai.fd[0], soltaB.fd[0], relatos.fd[1], 2);
    ASSERT_TRUE(Escreve(vai.fd[1], "GG", 2));
    for (int i = 0; i < 2; ++i) {
        Relato relato;
        ASSERT_TRUE(Le(relatos.fd[0], &relato, sizeof relato));
        ConfereRelato(relato);
    }

    ASSERT_TRUE(Escreve(soltaA.fd[1], "R", 1));
    Relato segundo;
    ASSERT_TRUE(Le(relatos.fd[0], &segundo, sizeof segundo));
    EXPECT_EQ(segundo.modoServico, platform::S_OK);
    EXPECT_EQ(EsperaFim(a), 0);

    // The first client is gone; the server still answers the second.
    ASSERT_TRUE(Escreve(soltaB.fd[1], "R", 1));
    ASSERT_TRUE(Le(relatos.fd[0], &segundo, sizeof segundo));
    EXPECT_EQ(segundo.modoServico, platform::S_OK);
    EXPECT_EQ(EsperaFim(b), 0);

    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

// A client killed while it holds its object loses it: once the last live client releases, the
// server ends, which it could not with the dead client's object still counted.
TEST_F(VaultisProcess, KilledClientReleasesItsObject) {
    auto* conexao = new CSilentConexaoGedSrv;
    ConfereRelato(Chamadas(*conexao, 1));

    Tubo vai, solta, relatos;
    const pid_t cliente = Cliente(vai.fd[0], solta.fd[0], relatos.fd[1], 2);
    ASSERT_TRUE(Escreve(vai.fd[1], "G", 1));
    Relato relato;
    ASSERT_TRUE(Le(relatos.fd[0], &relato, sizeof relato));
    ConfereRelato(relato);
    ASSERT_EQ(::kill(cliente, SIGKILL), 0);
    EXPECT_EQ(EsperaFim(cliente), 128 + SIGKILL);

    EXPECT_EQ(conexao->SetModoServico(), platform::S_OK);
    delete conexao;
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
}

}  // namespace
