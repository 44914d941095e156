// Document types in the real Vaultis process, reached through the client library: a type travels
// both ways on the demo company with its lists, and two server processes of two registry stores
// that share one data folder (two machines on a network folder) store every type that their
// clients save at once, each logged exactly once.
#include "outside/pendora/conexao_ged_srv.h"
#include "outside/pendora/qd_array_ponteiros.h"
#include "outside/pendora/qd_tip_doc.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/idl/qd_status.h"
#include "server/tests/demo_client_process.h"
#include "server/tests/process_test_support.h"
#include "server/tests/types_test_support.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr int kTiposPorCliente = 100;
constexpr int kClientesPorServidor = 2;

// The code of the i-th type of client c: unique, at most 8 characters.
std::string CodigoDe(int cliente, int i) {
    char codigo[9];
    std::snprintf(codigo, sizeof codigo, "C%d.%03d", cliente, i);
    return codigo;
}
// Its one user, so that each type also owns a run that must land intact.
std::uint16_t UsuarioDe(int cliente, int i) { return static_cast<std::uint16_t>(1000 * (cliente + 1) + i); }

class TiposVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        // Servers start detached; as the nearest reaper this test can wait for them to end.
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        Prepara(ambiente_.Path("data"));
        pasta_ = ZTGetDiretorioEmpresa(ZT_MODULO_GED, kelvo::setup::kDemoCompany).str();
        ASSERT_FALSE(pasta_.empty());
    }

    // The embedded default under `dados` in the store KELVO_REGISTRY names, and Vaultis registered there.
    static void Prepara(const std::string& dados) {
        const auto preparo = kelvo::setup::PrepareEmbeddedDefault(dados, dados + "/bin", kelvo::setup::ModuleMessageFile());
        ASSERT_TRUE(preparo.failures.empty());
        std::string saida;
        int codigo = -1;
        ASSERT_EQ(platform::RunAndCapture({KELVO_VAULTIS, "-RegServer"}, saida, &codigo), platform::ERROR_SUCCESS);
        ASSERT_EQ(codigo, 0) << saida;
    }

    TestEnvironment ambiente_;
    std::string pasta_;
};

}  // namespace

// Through the server process: a type with its lists is stored, read back whole and bare, found by
// its code, kept while it is a group and deleted when it is not; its stored bytes lie at their
// offsets and the log holds the insert, the change and the deletion.
TEST_F(TiposVaultis, DemoCompanyTypeTravelsBothWaysAndLiesAtItsOffsets) {
    std::uint32_t posicao = 0;
    {
        CSilentConexaoGedSrv conexao;
        ASSERT_EQ(conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
        const TipoTeste tipo{"0501", "Pedidos", QD_TIPDOC_GRUPO, {1, 42}, {QD_PROCESSO_FT_PD},
                             {{1, QD_CAMPO_FT_PD_NUM_PEDIDO, "Pedido"}}};
        ASSERT_EQ(conexao.GravaTipDoc(&posicao, Monta(tipo)), platform::S_OK);
        ASSERT_EQ(posicao, 1u);

        CQDTipDoc lido;
        ASSERT_EQ(conexao.LeTipDoc(1, &posicao, &lido, 0), platform::S_OK);
        EXPECT_EQ(lido.GetPosicao(), posicao);
        EXPECT_STREQ(lido->szCodigo, "0501");
        EXPECT_STREQ(lido->szNome, "Pedidos");
        EXPECT_EQ(Usuarios(lido.GetPS()), tipo.usuarios);
        EXPECT_EQ(Processos(lido.GetPS()), tipo.processos);
        EXPECT_EQ(NomesCampos(lido.GetPS()), (std::vector<std::string>{"Pedido"}));
        CQDTipDoc nu;
        ASSERT_EQ(conexao.LeTipDoc(1, &posicao, &nu, 0x7), platform::S_OK);
        EXPECT_EQ(nu->pUsuarios, nullptr);
        EXPECT_EQ(nu->nQtdCampos, 0u);

        CQDArrayPonteiros achados;
        ASSERT_EQ(conexao.BuscaPtrsTipDoc(Filtro(0x02 | 0x04, "05"), achados), platform::S_OK);
        EXPECT_EQ(Posicoes(achados), std::vector<std::uint32_t>{posicao});

        EXPECT_EQ(conexao.ExcluiTipDoc(posicao), QD_S_TIPDOC_MANTIDO);
        CQDTipDoc analitico = Monta({"0501", "Pedidos", 0, {1, 42}, {QD_PROCESSO_FT_PD}, {}});
        ASSERT_EQ(conexao.GravaTipDoc(&posicao, analitico), platform::S_OK);
        EXPECT_EQ(conexao.ExcluiTipDoc(posicao), platform::S_OK);
        EXPECT_EQ(conexao.LeTipDoc(1, &posicao, &nu, 0x7), platform::S_OK);
        EXPECT_EQ(nu->dwFlags, QD_TIPDOC_EXCLUIDO);
        const std::uint32_t alem = 2;
        EXPECT_EQ(conexao.LeTipDoc(1, &alem, &nu, 0x7), platform::HResultFromMessage(16021));
    }
    EXPECT_EQ(EsperaServidores(), std::vector<int>{0});

    const std::string r = RegistroBruto(pasta_ + "QDTPD.DAT", 1, 128);
    ASSERT_EQ(r.size(), 128u);
    EXPECT_EQ(U32At(r, 0), QD_TIPDOC_EXCLUIDO);
    EXPECT_EQ(U32At(r, 4), 2u);   // users
    EXPECT_EQ(U32At(r, 8), 1u);   //   from record 1
    EXPECT_EQ(U32At(r, 12), 1u);  // processes
    EXPECT_EQ(U32At(r, 20), 0u);  // fields: emptied by the change, their first position kept
    EXPECT_EQ(U32At(r, 24), 1u);
    EXPECT_EQ(r.substr(28, 8), std::string("Pedidos") + '\0');
    EXPECT_EQ(r.substr(79, 5), std::string("0501") + '\0');
    EXPECT_EQ(U32At(r, 88), static_cast<std::uint32_t>(QD_TIPDOC_VALIDADE_MES));
    EXPECT_EQ(UsuariosGravados(pasta_, 1, 2), (std::vector<std::uint16_t>{1, 42}));

    std::vector<QD_E_OPERACAO_LOG> operacoes;
    for (const LogEntry& entrada : Log(pasta_)) operacoes.push_back(entrada.operacao);
    EXPECT_EQ(operacoes, (std::vector<QD_E_OPERACAO_LOG>{QD_OP_LOG_TIPDOC_INCLUSAO, QD_OP_LOG_TIPDOC_ALTERACAO_DE,
                                                         QD_OP_LOG_TIPDOC_ALTERACAO_PARA, QD_OP_LOG_TIPDOC_EXCLUSAO}));
}

namespace {

class DoisServidores : public TiposVaultis {
protected:
    void SetUp() override {
        TiposVaultis::SetUp();
        if (HasFatalFailure()) return;
        // The second machine: a store of its own with its own default, whose demo company then
        // points at the first store's data folder.
        storeA_ = ambiente_.RegistryFolder().string();
        storeB_ = ambiente_.Path("registroB");
        ASSERT_EQ(::setenv("KELVO_REGISTRY", storeB_.c_str(), 1), 0);
        Prepara(ambiente_.Path("dadosB"));
        ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE,
                                        (CZTString(ZT_CHAVE_EMPRESAS) + kelvo::setup::kDemoCompany).GetString(),
                                        ZTGetPrefixoModulo(ZT_MODULO_GED), pasta_.c_str()),
                  0u);
        ASSERT_EQ(ZTGetDiretorioEmpresa(ZT_MODULO_GED, kelvo::setup::kDemoCompany).str(), pasta_);
        ASSERT_EQ(::setenv("KELVO_REGISTRY", storeA_.c_str(), 1), 0);
    }

    // A client process in the store `store`: opens a session, runs `trabalho` and reports the
    // result and the positions it got through `relata`.
    template <class Trabalho>
    static pid_t Filho(const std::string& store, int relata, Trabalho trabalho) {
        return ClienteDemo(relata, 1, trabalho, NaStore(store));
    }
    // The same for a client of `juntos`, which runs `trabalho` once every client of it is connected.
    template <class Trabalho>
    static pid_t Filho(ProcessBarrier& juntos, const std::string& store, int relata, Trabalho trabalho) {
        return ClienteDemo(juntos, relata, 1, trabalho, NaStore(store));
    }
    // Points the child at the registry store `store`.
    static auto NaStore(const std::string& store) {
        return [&store] { ::setenv("KELVO_REGISTRY", store.c_str(), 1); };
    }

    std::string storeA_;
    std::string storeB_;
};

}  // namespace

TEST_F(DoisServidores, EverySaveLandsAndIsLoggedOnce) {
    // Both servers open the company one after the other first, so that the company's first start
    // (its properties) is not what the test races on; each store has a server of its own.
    for (const std::string& store : {storeA_, storeB_}) {
        Tubo tubo;
        const pid_t filho = Filho(store, tubo.fd[1], [](CSilentConexaoGedSrv&, std::vector<std::uint32_t>&) {
            return platform::S_OK;
        });
        HRESULT hr = platform::E_FAIL;
        std::vector<std::uint32_t> posicoes;
        EXPECT_TRUE(LeRelato(tubo.fd[0], hr, posicoes));
        EXPECT_EQ(hr, platform::S_OK);
        EXPECT_EQ(EsperaFim(filho), 0);
    }
    EXPECT_EQ(EsperaServidores(), (std::vector<int>{0, 0}));

    const int kClientes = 2 * kClientesPorServidor;
    std::vector<Tubo> tubos(kClientes);
    std::vector<pid_t> filhos;
    // Every client connected before any saves: each store's one server serves both of its
    // clients, and the saves of the two servers can meet.
    ProcessBarrier juntos(kClientes);
    for (int cliente = 0; cliente < kClientes; ++cliente) {
        const std::string& store = cliente % 2 == 0 ? storeA_ : storeB_;
        filhos.push_back(Filho(juntos, store, tubos[cliente].fd[1], [cliente](CSilentConexaoGedSrv& conexao,
                                                                               std::vector<std::uint32_t>& posicoes) {
            for (int i = 0; i < kTiposPorCliente; ++i) {
                std::uint32_t posicao = 0;
                const HRESULT hr = conexao.GravaTipDoc(
                    &posicao, Monta({CodigoDe(cliente, i), "Tipo", 0, {UsuarioDe(cliente, i)}, {}, {}}));
                if (platform::FAILED(hr)) return hr;
                posicoes.push_back(posicao);
            }
            return platform::S_OK;
        }));
    }
    EXPECT_TRUE(juntos.ReleaseAll());
    std::map<std::uint32_t, std::string> codigoEm;  // position -> the code saved there
    for (int cliente = 0; cliente < kClientes; ++cliente) {
        HRESULT hr = platform::E_FAIL;
        std::vector<std::uint32_t> posicoes;
        ASSERT_TRUE(LeRelato(tubos[cliente].fd[0], hr, posicoes)) << cliente;
        ASSERT_EQ(hr, platform::S_OK) << cliente;
        ASSERT_EQ(posicoes.size(), static_cast<std::size_t>(kTiposPorCliente)) << cliente;
        for (int i = 0; i < kTiposPorCliente; ++i) {
            EXPECT_TRUE(codigoEm.emplace(posicoes[i], CodigoDe(cliente, i)).second) << "position given twice";
        }
    }
    for (const pid_t filho : filhos) EXPECT_EQ(EsperaFim(filho), 0);
    // One server per store, which outlived neither of its clients, and both ended well.
    EXPECT_EQ(EsperaServidores(), (std::vector<int>{0, 0}));

    // Every save landed where its client was told, with its own user run.
    const std::size_t total = static_cast<std::size_t>(kClientes) * kTiposPorCliente;
    ASSERT_EQ(codigoEm.size(), total);
    EXPECT_EQ(codigoEm.begin()->first, 1u);
    EXPECT_EQ(codigoEm.rbegin()->first, total);
    EXPECT_EQ(QtdRegistros(pasta_ + "QDTPD.DAT", 128), total);
    EXPECT_EQ(QtdRegistros(pasta_ + "QDTPDUSU.DAT", 8), total);
    std::set<std::uint32_t> runs;
    for (const auto& [posicao, codigo] : codigoEm) {
        const QD_TIPDOC_ARQ arq = TipoGravado(pasta_, posicao);
        ASSERT_EQ(std::string(arq.szCodigo), codigo) << posicao;
        const int cliente = codigo[1] - '0';
        const int i = std::atoi(codigo.c_str() + 3);
        ASSERT_EQ(arq.nQtdUsuarios, 1u);
        EXPECT_EQ(UsuariosGravados(pasta_, arq.lPrimeiroUsuario, 1), std::vector<std::uint16_t>{UsuarioDe(cliente, i)});
        runs.insert(arq.lPrimeiroUsuario);
    }
    EXPECT_EQ(runs.size(), total);

    // The log holds each insert once, with the record as stored.
    const std::vector<LogEntry> log = Log(pasta_);
    ASSERT_EQ(log.size(), total);
    std::set<std::uint32_t> logadas;
    for (const LogEntry& entrada : log) {
        EXPECT_EQ(entrada.operacao, QD_OP_LOG_TIPDOC_INCLUSAO);
        EXPECT_TRUE(logadas.insert(entrada.posicao).second) << entrada.posicao;
        EXPECT_EQ(entrada.dados, BytesDe(TipoGravado(pasta_, entrada.posicao))) << entrada.posicao;
        ASSERT_EQ(entrada.itens.size(), 1u);
        EXPECT_EQ(entrada.itens[0].tipo, QD_TYPE_LOG_USUARIO);
    }
    EXPECT_EQ(logadas.size(), total);
}
