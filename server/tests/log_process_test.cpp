#include "server/log/qd_grava_log.h"

#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"
#include "server/log/qd_le_log.h"
#include "server/tests/log_test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <map>
#include <string>

using namespace kelvo::testing;

namespace {

constexpr int kEscritores = 2;
constexpr int kLotes = 120;
constexpr int kEntradasPorLote = 3;

// The data of entry `indice` of batch `lote` of writer `escritor`: says whose it is, and is long
// enough (over 4 KB) that one batch spans several pages of the file.
std::string DadosDe(int escritor, int lote, int indice) {
    std::string dados = std::to_string(escritor) + "/" + std::to_string(lote) + "/" + std::to_string(indice) + "/";
    return dados + Bytes(1500, escritor * 1000 + lote);
}

// One writer's run: `kLotes` batches, each appended by its own call. Exit 0 when all worked.
int Escreve(const std::string& pasta, int escritor) {
    for (int lote = 0; lote < kLotes; ++lote) {
        std::vector<LogEntry> entradas;
        for (int indice = 0; indice < kEntradasPorLote; ++indice) {
            entradas.push_back({QD_OP_LOG_DOC_ALTERACAO_PARA, static_cast<std::uint32_t>(lote),
                                DadosDe(escritor, lote, indice),
                                {{QD_TYPE_LOG_USUARIO, Bytes(2, indice)}}});
        }
        const LogBatch batch(std::move(entradas));
        if (QDGravaLog(batch.Get(), static_cast<std::uint16_t>(escritor), pasta.c_str()) != platform::S_OK) return 1;
    }
    return 0;
}

}  // namespace

// Processes appending batches at once: every batch lands whole and contiguous, in its own order,
// and none is lost or interleaved with another's entries.
TEST(QDGravaLogProcesses, ConcurrentBatchesNeverInterleave) {
    TestEnvironment environment;
    const std::string pasta = environment.Folder().string();
    ASSERT_EQ(QDGravaLog(LogBatch({}).Get(), 0, pasta.c_str()), platform::S_OK);  // the log exists before the race

    // The writers start together once all exist: otherwise the first may be done before the next begins.
    ProcessBarrier juntos(kEscritores);
    std::vector<pid_t> filhos;
    for (int escritor = 0; escritor < kEscritores; ++escritor) {
        const pid_t pid = fork();
        if (pid == 0) _exit(juntos.Arrive() ? Escreve(pasta, escritor) : 2);
        ASSERT_GT(pid, 0);
        filhos.push_back(pid);
    }
    EXPECT_TRUE(juntos.ReleaseAll());
    for (const pid_t pid : filhos) EXPECT_EQ(WaitForChild(pid), 0);

    std::vector<CQDLogEntrada> lidas;
    ASSERT_EQ(QDLeLog(pasta.c_str(), lidas), platform::S_OK);
    ASSERT_EQ(lidas.size(), static_cast<std::size_t>(kEscritores * kLotes * kEntradasPorLote));
    std::map<int, int> proximoLote;  // per writer: its batches arrive in the order it wrote them
    for (std::size_t inicio = 0; inicio < lidas.size(); inicio += kEntradasPorLote) {
        const int escritor = lidas[inicio].GetLog().iUsuario;
        const int lote = static_cast<int>(lidas[inicio].GetLog().lPosicao);
        ASSERT_LT(escritor, kEscritores);
        EXPECT_EQ(lote, proximoLote[escritor]++) << "writer " << escritor;
        for (int indice = 0; indice < kEntradasPorLote; ++indice) {
            const CQDLogEntrada& lida = lidas[inicio + static_cast<std::size_t>(indice)];
            EXPECT_EQ(lida.GetLog().iUsuario, escritor) << "batch interleaved at entry " << inicio + indice;
            EXPECT_EQ(lida.GetLog().dataGravacaoLog, lidas[inicio].GetLog().dataGravacaoLog);
            EXPECT_EQ(Describe(lida).dados, DadosDe(escritor, lote, indice)) << "entry " << inicio + indice;
        }
    }
    for (int escritor = 0; escritor < kEscritores; ++escritor) EXPECT_EQ(proximoLote[escritor], kLotes);
}
