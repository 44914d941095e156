#include "server/log/qd_le_log.h"

#include "platform/tests/support/test_environment.h"
#include "server/log/qd_grava_log.h"
#include "server/log/qd_log_layout.h"
#include "server/tests/log_test_support.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

using namespace kelvo::testing;
using namespace std::string_literals;
using platform::HResultFromMessage;
using platform::S_OK;
namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kUsuario = 3;
constexpr platform::HRESULT kFimDeArquivo = platform::MakeHResult(0x80043E95);

class QDLeLogTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string Pasta() const { return environment_.Folder().string(); }
    [[nodiscard]] std::string Caminho() const { return environment_.Path("QDLOG.DAT"); }
    void Grava(const LogBatch& batch) { ASSERT_EQ(QDGravaLog(batch.Get(), kUsuario, Pasta().c_str()), S_OK); }
    // Reads the log: its result, and the entries described in `entradas`.
    platform::HRESULT Le(std::vector<LogEntry>& entradas) {
        std::vector<CQDLogEntrada> lidas(1);  // whatever the caller held is replaced
        const platform::HRESULT hr = QDLeLog(Pasta().c_str(), lidas);
        entradas.clear();
        for (const CQDLogEntrada& lida : lidas) entradas.push_back(Describe(lida));
        return hr;
    }

    TestEnvironment environment_;
};

// One entry of every shape: data and items of each kind, data only, items only, nothing.
std::vector<LogEntry> EntradasVariadas() {
    return {
        {QD_OP_LOG_TIPDOC_INCLUSAO, 1, Bytes(128, 1),
         {{QD_TYPE_LOG_USUARIO, "\x01\x00\x02\x00"s}, {QD_TYPE_LOG_PROCESSO, LittleEndian32(5)},
          {QD_TYPE_LOG_CAMPO, Bytes(120, 2)}}},
        {QD_OP_LOG_DOC_VISUALIZAR_LOCAL, 2, Bytes(174, 3), {}},
        {QD_OP_LOG_PROP_ALTERACAO_PARA, 0, "", {{QD_TYPE_LOG_STRING, "<Dominio>quorvel"}, {QD_TYPE_LOG_STRING, "<EmailCC>"}}},
        {QD_OP_LOG_TIPDOC_EXCLUSAO, 4, "", {}},
    };
}

}  // namespace

// A log of only its header byte, and a company that never logged anything, read as no entries
// and success, not as a failure.
TEST_F(QDLeLogTest, EmptyLogIsNoEntries) {
    std::vector<LogEntry> entradas;
    EXPECT_EQ(Le(entradas), S_OK);
    EXPECT_TRUE(entradas.empty());
    EXPECT_EQ(ReadFile(Caminho()), std::string(1, '\0'));

    Grava(LogBatch({}));
    EXPECT_EQ(Le(entradas), S_OK);
    EXPECT_TRUE(entradas.empty());
}

// Everything written comes back as written, in file order, across batches.
TEST_F(QDLeLogTest, EntriesReadBackInFileOrder) {
    const LogBatch primeiro(EntradasVariadas());
    const LogBatch segundo({{QD_OP_LOG_LOCARQ_ALTERACAO_DE, 9, Bytes(160, 4), {{QD_TYPE_LOG_TIPDOC, LittleEndian32(2)}}}});
    Grava(primeiro);
    Grava(segundo);
    std::vector<LogEntry> esperadas = primeiro.Entradas();
    esperadas.push_back(segundo.Entradas().front());

    std::vector<LogEntry> entradas;
    ASSERT_EQ(Le(entradas), S_OK);
    EXPECT_EQ(entradas, esperadas);
}

// Entries larger than the reader's buffer and many small ones that straddle its edges read back
// whole: a buffer refill at the wrong place shifts every later entry.
TEST_F(QDLeLogTest, EntriesAcrossTheReadBufferReadBackWhole) {
    std::vector<LogEntry> grandes = {{QD_OP_LOG_DOC_INCLUSAO, 1, Bytes(70000, 1), {{QD_TYPE_LOG_STRING, Bytes(40000, 2)}}}};
    for (int i = 0; i < 600; ++i) {
        grandes.push_back({QD_OP_LOG_DOC_ALTERACAO_PARA, static_cast<std::uint32_t>(i), Bytes(static_cast<std::size_t>(i % 97), i),
                           {{QD_TYPE_LOG_USUARIO, Bytes(static_cast<std::size_t>(2 * (i % 5)), i)}}});
    }
    const LogBatch batch(grandes);
    Grava(batch);
    std::vector<LogEntry> entradas;
    ASSERT_EQ(Le(entradas), S_OK);
    EXPECT_EQ(entradas, batch.Entradas());
}

// A damaged log is a failure of its own, never the end-of-file status that would read as the
// log's normal end (hiding the damage), never an over-read or an allocation the file cannot back.
TEST_F(QDLeLogTest, DamagedLogIsAFailureOfItsOwn) {
    // One entry at byte 1: header 1..40, data "abcd" 41..44, item headers at 45 and 57 (4 bytes each).
    const LogBatch batch({{QD_OP_LOG_DOC_INCLUSAO, 1, "abcd", {{QD_TYPE_LOG_USUARIO, "\x01\x00\x02\x00"s}, {QD_TYPE_LOG_TIPDOC, LittleEndian32(8)}}}});
    struct Caso {
        const char* nome;
        std::function<void(const std::string& caminho)> estraga;
    };
    const auto corta = [](std::uintmax_t bytes) { return [bytes](const std::string& c) { fs::resize_file(c, bytes); }; };
    const auto poe = [](std::uint64_t offset, std::uint32_t valor) {
        return [offset, valor](const std::string& c) { PatchFile(c, offset, LittleEndian32(valor)); };
    };
    const std::vector<Caso> casos = {
        {"cut inside the header", corta(1 + 20)},
        {"cut inside the data", corta(1 + 40 + 2)},
        {"cut inside an item header", corta(1 + 40 + 4 + 3)},
        {"cut inside an item's bytes", corta(1 + 40 + 4 + 8 + 4 + 8 + 2)},
        {"trailing byte after the last entry", corta(1 + 40 + 4 + 8 + 4 + 8 + 4 + 1)},
        {"data length past the end", poe(1 + 4, 0xFFFFFFF0u)},
        {"item count past the end", poe(1 + 8, 0x7FFFFFFFu)},
        {"item length past the end", poe(1 + 40 + 4 + 4, 0x10000000u)},
    };
    for (const Caso& caso : casos) {
        fs::remove(Caminho());
        fs::remove(environment_.Path("ZTCTLARQ.DAT"));
        Grava(batch);
        caso.estraga(Caminho());
        std::vector<LogEntry> entradas;
        const platform::HRESULT hr = Le(entradas);
        EXPECT_EQ(hr, QD_E_LOG_DANIFICADO) << caso.nome;
        EXPECT_NE(hr, kFimDeArquivo) << caso.nome;
        EXPECT_TRUE(entradas.empty()) << caso.nome;
        EXPECT_EQ(MarkedFile(), "QDLOG.DAT") << caso.nome;
    }
}

// An entry that claims more bytes than any batch can hold is damage even where the file (here a
// sparse one) is long enough: the reader must not allocate and read tens of megabytes for it.
TEST_F(QDLeLogTest, EntryBeyondTheBatchBoundIsDamage) {
    Grava(LogBatch({{QD_OP_LOG_DOC_INCLUSAO, 1, "", {}}}));
    PatchFile(Caminho(), 1 + 4, LittleEndian32(static_cast<std::uint32_t>(kQDLogMaxBloco)));
    fs::resize_file(Caminho(), 1 + 40 + kQDLogMaxBloco);
    std::vector<LogEntry> entradas;
    EXPECT_EQ(Le(entradas), QD_E_LOG_DANIFICADO);
    EXPECT_TRUE(entradas.empty());
}

// A log that existed and was deleted is reported as missing, not read as an empty log.
TEST_F(QDLeLogTest, DeletedLogIsReported) {
    Grava(LogBatch({{QD_OP_LOG_DOC_EXCLUSAO, 1, "", {}}}));
    fs::remove(Caminho());
    std::vector<LogEntry> entradas;
    EXPECT_EQ(Le(entradas), HResultFromMessage(ZT_ERR_ARQ_NAO_ENCONTRADO));
    EXPECT_FALSE(fs::exists(Caminho()));
}

// A moved holder keeps its entry and its pointers (the buffers move along); the one moved from is
// left empty rather than pointing at buffers it no longer owns.
TEST(CQDLogEntrada, MoveKeepsTheEntryAndEmptiesTheSource) {
    CQDLogEntrada origem;
    origem.Inicia(QD_OP_LOG_DOC_INCLUSAO, 5, 6, 7);
    std::memcpy(origem.AlocaDados(3), "abc", 3);
    std::memcpy(origem.AdicionaItem(QD_TYPE_LOG_STRING, 2), "xy", 2);
    const LogEntry esperada = Describe(origem);

    std::vector<CQDLogEntrada> lista;
    lista.push_back(std::move(origem));
    for (int i = 0; i < 50; ++i) lista.emplace_back();  // reallocates, moving the first holder again
    EXPECT_EQ(Describe(lista.front()), esperada);
    EXPECT_EQ(lista.front().GetLog().iUsuario, 6);
    EXPECT_EQ(lista.front().GetLog().dataGravacaoLog, 7);
    EXPECT_EQ(origem.GetLog().pLogData, nullptr);
    EXPECT_EQ(origem.GetLog().pPtrs, nullptr);
    EXPECT_EQ(origem.GetLog().cbLogData, 0u);

    CQDLogEntrada destino;
    destino = std::move(lista.front());
    EXPECT_EQ(Describe(destino), esperada);
}
