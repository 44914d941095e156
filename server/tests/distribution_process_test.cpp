// Distribution lists of the demo company in the real Vaultis process, reached through the client
// library: a list is stored, rewritten and read back and lies at its offsets in both files, and
// two client processes that store lists at once get distinct numbers and intact items.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/tests/demo_client_process.h"
#include "server/tests/distribution_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <set>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr std::uint32_t kListasPorCliente = 20;

// The items that client `cliente` stores as its list `i`: one to four, told apart by the client.
std::vector<std::uint32_t> ItensDoCliente(std::uint32_t cliente, std::uint32_t i) {
    std::vector<std::uint32_t> itens;
    for (std::uint32_t j = 0; j <= i % 4; ++j) itens.push_back(cliente * 100000 + i * 10 + j);
    return itens;
}

class DistribuicaoVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
        pasta_ = PastaDemo();
    }

    // A client process: once every client of `juntos` is connected, stores kListasPorCliente lists
    // and sends the HRESULT and their numbers through `relata`.
    static pid_t Cliente(ProcessBarrier& juntos, int relata, std::uint32_t cliente) {
        const auto sessao = static_cast<std::int32_t>(cliente);
        return ClienteDemo(juntos, relata, sessao, [cliente](CSilentConexaoGedSrv& conexao, std::vector<std::uint32_t>& numeros) {
            HRESULT hr = platform::S_OK;
            for (std::uint32_t i = 0; i < kListasPorCliente && platform::SUCCEEDED(hr); ++i) {
                std::uint32_t numero = 0;
                hr = conexao.GravaDistribuicao(&numero, ListaPS(ItensDoCliente(cliente, i)));
                numeros.push_back(numero);
            }
            return hr;
        });
    }

    TestEnvironment ambiente_;
    std::string pasta_;
};

// Stored, rewritten longer and read back through the server process; an unknown list and an empty
// one are refused; the records lie at their offsets.
TEST_F(DistribuicaoVaultis, ListTravelsThroughTheServerProcess) {
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        std::uint32_t numero = 0;
        ASSERT_EQ(conexao.GravaDistribuicao(&numero, ListaPS({11, 22, 33})), platform::S_OK);
        ASSERT_EQ(numero, 1u);
        std::uint32_t segundo = 0;
        ASSERT_EQ(conexao.GravaDistribuicao(&segundo, ListaPS({44})), platform::S_OK);
        ASSERT_EQ(segundo, 2u);
        ASSERT_EQ(conexao.GravaDistribuicao(&numero, ListaPS({5, 6, 7, 8})), platform::S_OK);
        ASSERT_EQ(numero, 1u);

        CQDArrayPonteiros lista;
        ASSERT_EQ(conexao.LeDistribuicao(1, lista, 0), platform::S_OK);
        EXPECT_EQ(Posicoes(lista.GetPS()), (std::vector<std::uint32_t>{5, 6, 7, 8}));
        ASSERT_EQ(conexao.LeDistribuicao(2, lista, 0), platform::S_OK);
        EXPECT_EQ(Posicoes(lista.GetPS()), std::vector<std::uint32_t>{44});
        EXPECT_EQ(conexao.LeDistribuicao(3, lista, 0), platform::HResultFromMessage(16021));
        std::uint32_t semNumero = 0;
        const CQDArrayPonteiros vazia;
        EXPECT_EQ(conexao.GravaDistribuicao(&semNumero, vazia), platform::E_INVALIDARG);
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string listas = ReadFile(pasta_ + "QDDIST.DAT");
    const std::string itens = ReadFile(pasta_ + "QDDISTIT.DAT");
    ASSERT_EQ(listas.size(), 3u * 16);
    EXPECT_EQ(NumeroEm(listas, 16, 4), 4u);
    EXPECT_EQ(NumeroEm(listas, 20, 4), 5u);
    EXPECT_EQ(listas.substr(24, 8), std::string(8, '\0'));
    EXPECT_EQ(NumeroEm(listas, 32, 4), 1u);
    EXPECT_EQ(NumeroEm(listas, 36, 4), 4u);
    EXPECT_EQ(ItensEm(itens), (std::vector<std::uint32_t>{11, 22, 33, 44, 5, 6, 7, 8}));
}

// Two processes storing lists at once: each write holds both files for its whole call, so every
// list gets its own number and its own items.
TEST_F(DistribuicaoVaultis, TwoProcessesStoreListsAtOnce) {
    Tubo relatosA, relatosB;
    // Both connected before either stores: one server serves them, and their writes can meet.
    ProcessBarrier juntos(2);
    const pid_t a = Cliente(juntos, relatosA.fd[1], 1);
    const pid_t b = Cliente(juntos, relatosB.fd[1], 2);
    EXPECT_TRUE(juntos.ReleaseAll());
    std::set<std::uint32_t> todos;
    std::vector<std::vector<std::uint32_t>> numerosPorCliente;
    for (const int fd : {relatosA.fd[0], relatosB.fd[0]}) {
        HRESULT hr = 0;
        std::vector<std::uint32_t> numeros;
        ASSERT_TRUE(LeRelato(fd, hr, numeros));
        ASSERT_EQ(hr, platform::S_OK);
        ASSERT_EQ(numeros.size(), kListasPorCliente);
        todos.insert(numeros.begin(), numeros.end());
        numerosPorCliente.push_back(numeros);
    }
    EXPECT_EQ(EsperaFim(a), 0);
    EXPECT_EQ(EsperaFim(b), 0);
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    EXPECT_EQ(todos.size(), 2u * kListasPorCliente);
    EXPECT_EQ(*todos.begin(), 1u);
    EXPECT_EQ(*todos.rbegin(), 2u * kListasPorCliente);
    const std::string listas = ReadFile(pasta_ + "QDDIST.DAT");
    const std::string itens = ReadFile(pasta_ + "QDDISTIT.DAT");
    std::size_t totalItens = 0;
    for (std::uint32_t c = 0; c < numerosPorCliente.size(); ++c) {
        for (std::uint32_t i = 0; i < kListasPorCliente; ++i) {
            const std::vector<std::uint32_t> esperados = ItensDoCliente(c + 1, i);
            EXPECT_EQ(ItensDaLista(listas, itens, numerosPorCliente[c][i]), esperados) << c << " " << i;
            totalItens += esperados.size();
        }
    }
    EXPECT_EQ(itens.size(), (totalItens + 1) * 4);
}

}  // namespace
