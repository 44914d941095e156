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

// The batch whose one entry the cases tear or damage, at the entry's offsets: header, data "abcd"
// at 40, item headers at 44 and 56 (4 bytes each), 68 bytes in all.
const LogBatch& UltimoLote() {
    static const LogBatch batch({{QD_OP_LOG_DOC_INCLUSAO, 1, "abcd", {{QD_TYPE_LOG_USUARIO, "\x01\x00\x02\x00"s}, {QD_TYPE_LOG_TIPDOC, LittleEndian32(8)}}}});
    return batch;
}
constexpr std::uint64_t kTamanhoUltima = 40 + 4 + 8 + 4 + 8 + 4;

using Estrago = std::function<void(const std::string& caminho, std::uint64_t inicio)>;
// Cuts the file `bytes` after the start of the last entry.
Estrago Corta(std::uint64_t bytes) {
    return [bytes](const std::string& c, std::uint64_t inicio) { fs::resize_file(c, inicio + bytes); };
}
// Puts `valor` at `offset` of the last entry.
Estrago Poe(std::uint64_t offset, std::uint64_t valor) {
    return [offset, valor](const std::string& c, std::uint64_t inicio) {
        PatchFile(c, inicio + offset, LittleEndian32(static_cast<std::uint32_t>(valor)));
    };
}

// An append cut short leaves a torn last entry: the log ends before it, and every complete entry
// stays readable with success, neither lost to a failure of the whole log nor marked as damage.
TEST_F(QDLeLogTest, TornTailEndsTheLogAfterItsCompleteEntries) {
    struct Caso {
        const char* nome;
        Estrago rasga;
        bool ultimaInteira;  // the last entry itself is whole
    };
    const std::vector<Caso> casos = {
        {"cut inside the header", Corta(20), false},
        {"cut right after the header", Corta(40), false},
        {"cut inside the data", Corta(40 + 2), false},
        {"cut inside an item header", Corta(40 + 4 + 3), false},
        {"cut inside an item's bytes", Corta(40 + 4 + 8 + 2), false},
        {"cut before the last item", Corta(40 + 4 + 8 + 4), false},
        {"data length past the end", Poe(4, 1000), false},
        {"largest data length past the end", Poe(4, kQDLogMaxEntrada - sizeof(QD_LOG_ARQ)), false},
        {"item count past the end", Poe(8, 1000), false},
        {"item length past the end", Poe(40 + 4 + 4, 1000), false},
        {"a byte of the next header", Corta(kTamanhoUltima + 1), true},
        {"all but a byte of the next header", Corta(kTamanhoUltima + 39), true},
    };
    const LogBatch completas(EntradasVariadas());
    for (const Caso& caso : casos) {
        fs::remove(Caminho());
        fs::remove(environment_.Path("ZTCTLARQ.DAT"));
        Grava(completas);
        const std::uint64_t inicio = fs::file_size(Caminho());
        Grava(UltimoLote());
        caso.rasga(Caminho(), inicio);

        std::vector<LogEntry> esperadas = completas.Entradas();
        if (caso.ultimaInteira) esperadas.push_back(UltimoLote().Entradas().front());
        std::vector<LogEntry> entradas;
        EXPECT_EQ(Le(entradas), S_OK) << caso.nome;
        EXPECT_EQ(entradas, esperadas) << caso.nome;
        EXPECT_NE(MarkedFile(), "QDLOG.DAT") << caso.nome;
    }
}

// A length that no writer makes is damage, a failure of its own: never the end-of-file status
// that would read as the log's normal end, never taken for a torn tail (whatever the file's
// length, here short and then long and sparse), never an allocation the file cannot back.
TEST_F(QDLeLogTest, ImpossibleLengthIsDamage) {
    struct Caso {
        const char* nome;
        Estrago estraga;
    };
    const std::vector<Caso> casos = {
        // A reader that sums lengths in 32 bits sees these wrap: the entry's length to below its
        // header's size, the item headers' bytes to none.
        {"data length wrapping 32 bits below the header's size", Poe(4, 0x100000000ull - 32)},
        {"item count wrapping 32 bits to no bytes", Poe(8, 0x20000000u)},
        {"data length one past the largest entry", Poe(4, kQDLogMaxEntrada - sizeof(QD_LOG_ARQ) + 1)},
        {"item headers past the largest entry", Poe(8, kQDLogMaxEntrada / sizeof(QD_LOG_PTRS_ARQ))},
        {"item length past the largest entry", Poe(40 + 4 + 4, kQDLogMaxEntrada)},
    };
    for (const bool longo : {false, true}) {
        for (const Caso& caso : casos) {
            fs::remove(Caminho());
            fs::remove(environment_.Path("ZTCTLARQ.DAT"));
            Grava(UltimoLote());
            caso.estraga(Caminho(), 1);
            if (longo) fs::resize_file(Caminho(), 1 + 2 * kQDLogMaxEntrada);
            std::vector<LogEntry> entradas;
            const platform::HRESULT hr = Le(entradas);
            EXPECT_EQ(hr, QD_E_LOG_DANIFICADO) << caso.nome << (longo ? ", long file" : "");
            EXPECT_NE(hr, kFimDeArquivo) << caso.nome;
            EXPECT_TRUE(entradas.empty()) << caso.nome;
            EXPECT_EQ(MarkedFile(), "QDLOG.DAT") << caso.nome;
        }
    }
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
