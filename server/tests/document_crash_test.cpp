// Saves cut short by a crash: client processes save documents with content through the real
// Vaultis process while the test kills the server (kill -9) after a random number of
// acknowledged saves, ten times over. After each kill the company opens again, every acknowledged
// save reads back with its content, a save that was under way left all of it or none, no record
// names a content that is missing, and no temporary content file is left in "Docs".
#include "platform/com/endpoint.h"
#include "platform/com/unix_socket.h"
#include "platform/tests/support/test_environment.h"
#include "server/idl/guids.h"
#include "server/tests/demo_client_process.h"
#include "server/tests/document_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/vaultis_demo_test_support.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr int kRodadas = 10;
constexpr std::uint32_t kClientes = 3;
constexpr std::uint32_t kMaisConfirmadasAntesDaQueda = 12;
// A client ends by itself after this many saves, should the kill never come.
constexpr std::uint32_t kMaxGravacoesCliente = 2000;
constexpr std::size_t kMaiorConteudo = 128 * 1024;
// LeDoc leaving out users, fields, links and description: the record and its content.
constexpr std::uint32_t kSoConteudo = 0x17;

// What a client process tells the test: one message per event, small enough that a pipe never
// mixes it with another client's.
enum class Evento : std::uint32_t { Aberta = 1, Pretende = 2, Confirmada = 3 };
struct Aviso {
    Evento evento = Evento::Aberta;
    std::uint32_t cliente = 0;
    std::uint32_t posicao = 0;  // 0 for an insert that has no answer yet
    std::uint32_t semente = 0;  // the content the document holds once the save is done
};

// The content of `semente`, the same in the client and in the test: one in eight is empty, the
// others up to kMaiorConteudo random bytes.
std::string ConteudoDe(std::uint32_t semente) {
    std::mt19937_64 gerador(semente);
    if (gerador() % 8 == 0) return {};
    std::string bytes(gerador() % kMaiorConteudo + 1, '\0');
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        const std::uint64_t valor = gerador();
        std::memcpy(&bytes[i], &valor, std::min<std::size_t>(8, bytes.size() - i));
    }
    return bytes;
}

void Avisa(int avisos, const Aviso& aviso) {
    if (!Escreve(avisos, &aviso, sizeof aviso)) ::_exit(4);
}

// A document of the client: where it lies, the content it holds and its name's extension.
struct DocCliente {
    std::uint32_t posicao;
    std::uint32_t semente;
    bool bTxt;
};

// A client's saves until one fails: inserts, rewrites of its own documents with new content under
// either extension, and rewrites that change only the extension (the stored content moves to the
// new name). Each is announced before it is sent and confirmed once it is answered; `posicoes`
// gathers the positions confirmed.
HRESULT Grava(CSilentConexaoGedSrv& conexao, int avisos, std::uint32_t cliente, std::uint32_t primeiraSemente,
              std::vector<std::uint32_t>& posicoes) {
    Avisa(avisos, {Evento::Aberta, cliente, 0, 0});
    std::mt19937 sorte(primeiraSemente);
    std::vector<DocCliente> meus;
    for (std::uint32_t i = 0; i < kMaxGravacoesCliente; ++i) {
        const std::uint32_t tipo = meus.empty() ? 0 : sorte() % 3;
        DocCliente* doc = tipo == 0 ? nullptr : &meus[sorte() % meus.size()];
        DocCliente novo{doc ? doc->posicao : 0, primeiraSemente + i, sorte() % 2 == 0};
        if (tipo == 2) novo = {doc->posicao, doc->semente, !doc->bTxt};
        const bool bConteudo = tipo != 2;
        DadosDoc dados;
        if (bConteudo) dados.conteudo = ConteudoDe(novo.semente);
        dados.nome = novo.bTxt ? "doc.txt" : "doc.pdf";
        Avisa(avisos, {Evento::Pretende, cliente, novo.posicao, novo.semente});
        std::uint32_t posicao = novo.posicao;
        if (const HRESULT hr = conexao.GravaDoc(&posicao, Documento(dados), bConteudo ? 0x4 : 0); platform::FAILED(hr)) {
            return hr;
        }
        Avisa(avisos, {Evento::Confirmada, cliente, posicao, novo.semente});
        posicoes.push_back(posicao);
        novo.posicao = posicao;
        if (doc) *doc = novo;
        else meus.push_back(novo);
    }
    return platform::S_OK;
}

// The process id of the server that listens at Vaultis's endpoint (its socket's peer).
pid_t ProcessoDoServidor() {
    std::string endpoint;
    EXPECT_EQ(platform::com::ServerEndpointPath(CLSID_ZTQD_Srv, endpoint), platform::ERROR_SUCCESS);
    int erro = 0;
    const platform::com::Descriptor conexao = platform::com::ConnectEndpoint(endpoint, &erro);
    EXPECT_TRUE(conexao) << erro;
    ucred credenciais{};
    socklen_t tamanho = sizeof credenciais;
    EXPECT_EQ(::getsockopt(conexao.Get(), SOL_SOCKET, SO_PEERCRED, &credenciais, &tamanho), 0);
    return credenciais.pid;
}

class QuedaVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
        pasta_ = PastaDemo();
    }

    // One round: the clients start (the first alone, so that it alone starts the server), save
    // until the test has seen `confirmadasAntes` confirmations after all of them opened, and the
    // server dies then; the company is checked once every client has ended.
    void Rodada(int rodada, std::uint32_t confirmadasAntes) {
        abertas_ = 0;
        Tubo avisos;
        std::vector<std::unique_ptr<Tubo>> relatos;
        std::vector<pid_t> clientes;
        for (std::uint32_t cliente = 0; cliente < kClientes; ++cliente) {
            relatos.push_back(std::make_unique<Tubo>());
            const std::uint32_t sementes = static_cast<std::uint32_t>(rodada) * 1'000'000 + cliente * 100'000 + 1;
            const int fd = avisos.fd[1];
            clientes.push_back(ClienteDemo(relatos.back()->fd[1], static_cast<std::int32_t>(cliente + 1),
                                           [fd, cliente, sementes](CSilentConexaoGedSrv& conexao, std::vector<std::uint32_t>& posicoes) {
                                               return Grava(conexao, fd, cliente, sementes, posicoes);
                                           }));
            ASSERT_GT(clientes.back(), 0);
            ASSERT_NO_FATAL_FAILURE(EsperaAbertas(avisos.fd[0], relatos.back()->fd[0], cliente + 1));
        }
        ::close(avisos.fd[1]);
        avisos.fd[1] = -1;

        const std::uint32_t alvo = confirmadas_ + confirmadasAntes;
        while (confirmadas_ < alvo) ASSERT_TRUE(Recebe(avisos.fd[0])) << "the clients stopped before the kill";
        const pid_t servidor = ProcessoDoServidor();
        ASSERT_GT(servidor, 0);
        ASSERT_EQ(::kill(servidor, SIGKILL), 0);
        while (Recebe(avisos.fd[0])) {
        }
        for (std::uint32_t cliente = 0; cliente < kClientes; ++cliente) {
            HRESULT hr = platform::S_OK;
            std::vector<std::uint32_t> valores;
            EXPECT_TRUE(LeRelato(relatos[cliente]->fd[0], hr, valores));
            EXPECT_TRUE(platform::FAILED(hr)) << "client " << cliente << " never lost its server";
            EXPECT_EQ(EsperaFim(clientes[cliente]), 0);
        }
        EXPECT_EQ(EsperaFim(servidor), 128 + SIGKILL);
        ConfereEmpresa();
    }

    // Reads events until `quantas` clients have opened their sessions, or fails when the newest
    // client reports (it reports only once it ended, here because its session did not open).
    void EsperaAbertas(int avisos, int relato, std::uint32_t quantas) {
        while (abertas_ < quantas) {
            pollfd fds[2] = {{avisos, POLLIN, 0}, {relato, POLLIN, 0}};
            ASSERT_GT(::poll(fds, 2, -1), 0);
            ASSERT_NE(fds[0].revents, 0) << "a client ended without opening its session";
            ASSERT_TRUE(Recebe(avisos));
        }
    }

    // Takes one event; false at the end of the pipe.
    bool Recebe(int fd) {
        Aviso aviso;
        if (!Le(fd, &aviso, sizeof aviso)) return false;
        switch (aviso.evento) {
            case Evento::Aberta: ++abertas_; break;
            case Evento::Pretende: pendentes_[aviso.cliente] = aviso; break;
            case Evento::Confirmada:
                guardados_[aviso.posicao] = aviso.semente;
                pendentes_.erase(aviso.cliente);
                ++confirmadas_;
                break;
        }
        return true;
    }

    // The company opens; every record reads back with the content of its last confirmed save or
    // of the save under way for it (an insert under way may have got its record or not).
    void ConfereEmpresa() {
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser)), platform::S_OK);
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&*srv);
        const auto registros = static_cast<std::uint32_t>(std::filesystem::file_size(pasta_ + "QDDOC.DAT") / 256 - 1);
        ASSERT_FALSE(guardados_.empty());
        EXPECT_LE(guardados_.rbegin()->first, registros) << "a confirmed insert lost its record";
        for (std::uint32_t posicao = 1; posicao <= registros; ++posicao) {
            CQDDoc doc;
            // A record whose content file is missing reads as 0x80070002.
            ASSERT_EQ(conexao.LeDoc(1, &posicao, &doc, kSoConteudo), platform::S_OK) << "position " << posicao;
            const std::vector<std::uint32_t> aceitas = SementesAceitas(posicao);
            const std::string conteudo = Conteudo(doc);
            const auto igual = std::find_if(aceitas.begin(), aceitas.end(),
                                            [&](std::uint32_t semente) { return ConteudoDe(semente) == conteudo; });
            ASSERT_NE(igual, aceitas.end()) << "position " << posicao << " holds " << conteudo.size() << " bytes";
            guardados_[posicao] = *igual;
        }
        pendentes_.clear();
        for (const auto& entrada : std::filesystem::directory_iterator(pasta_ + "Docs")) {
            EXPECT_NE(entrada.path().filename().string().front(), '.') << entrada.path();
        }
    }

    // Switches the company's contents to encrypted in a session of the test's own.
    void LigaEncriptacaoDaEmpresa() {
        Servidor srv;
        ASSERT_EQ(srv->Inicializa(Sessao(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser)), platform::S_OK);
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&*srv);
        ASSERT_NO_FATAL_FAILURE(LigaEncriptacao(conexao));
    }

    // The contents that the document at `posicao` may hold after the crash.
    std::vector<std::uint32_t> SementesAceitas(std::uint32_t posicao) const {
        std::vector<std::uint32_t> aceitas;
        const auto guardado = guardados_.find(posicao);
        if (guardado != guardados_.end()) aceitas.push_back(guardado->second);
        for (const auto& [cliente, aviso] : pendentes_) {
            const bool mesma = aviso.posicao == posicao || (aviso.posicao == 0 && guardado == guardados_.end());
            if (mesma) aceitas.push_back(aviso.semente);
        }
        return aceitas;
    }

    TestEnvironment ambiente_;
    std::string pasta_;
    std::uint32_t abertas_ = 0;
    std::uint32_t confirmadas_ = 0;
    std::map<std::uint32_t, std::uint32_t> guardados_;  // position -> the content it holds
    std::map<std::uint32_t, Aviso> pendentes_;          // client -> its save under way
};

// Ten kills at random moments: nothing acknowledged is lost and nothing half-written stays. The
// second half of the rounds saves encrypted contents, whose ciphering lengthens every save.
TEST_F(QuedaVaultis, KilledServerLeavesNoHalfWrittenDocument) {
    const unsigned semente = std::random_device{}();
    SCOPED_TRACE(::testing::Message() << "seed " << semente);
    std::mt19937 sorte(semente);
    for (int rodada = 0; rodada < kRodadas; ++rodada) {
        SCOPED_TRACE(::testing::Message() << "round " << rodada);
        if (rodada == kRodadas / 2) {
            ASSERT_NO_FATAL_FAILURE(LigaEncriptacaoDaEmpresa());
        }
        ASSERT_NO_FATAL_FAILURE(Rodada(rodada, sorte() % kMaisConfirmadasAntesDaQueda + 1));
    }
}

}  // namespace
