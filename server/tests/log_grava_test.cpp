#include "server/log/qd_grava_log.h"

#include "platform/tests/support/test_environment.h"
#include "server/log/qd_le_log.h"
#include "server/log/qd_log_bloco.h"
#include "server/record_file/record_file_codes.h"
#include "server/tests/log_test_support.h"
#include "server/tests/record_file_test_support.h"
#include "util/tests/time_test_clock.h"
#include "util/time/current_time.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;
using namespace std::string_literals;
using platform::HResultFromMessage;
using platform::S_OK;
namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kUsuario = 17;

// A record file whose next write of more than one byte (a log's block, not its header byte) puts
// only the first half of its bytes on disk and then fails, as a full disk does halfway through;
// and whose next `failingCuts` length changes fail too.
class ShortWriteArqEx : public CZTArqEx {
public:
    void Write(const void* buffer, unsigned count) override {
        if (failingWrites > 0 && count > 1) {
            --failingWrites;
            platform::File::Write(buffer, count / 2);
            throw platform::FileException(platform::FileException::diskFull, 0, GetFilePath());
        }
        platform::File::Write(buffer, count);
    }
    void SetLength(std::uint64_t length) override {
        if (failingCuts > 0) {
            --failingCuts;
            throw platform::FileException(platform::FileException::diskFull, 0, GetFilePath());
        }
        platform::File::SetLength(length);
    }
    int failingWrites = 0;
    int failingCuts = 0;
};

class QDGravaLogTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string Pasta() const { return environment_.Folder().string(); }
    [[nodiscard]] std::string Caminho() const { return environment_.Path("QDLOG.DAT"); }
    // Every entry of the log (of the data directory `pasta`), described; expects the read to succeed.
    std::vector<LogEntry> Entradas() { return Entradas(Pasta()); }
    static std::vector<LogEntry> Entradas(const std::string& pasta) {
        std::vector<CQDLogEntrada> lidas;
        EXPECT_EQ(QDLeLog(pasta.c_str(), lidas), S_OK);
        std::vector<LogEntry> descritas;
        for (const CQDLogEntrada& lida : lidas) descritas.push_back(Describe(lida));
        return descritas;
    }

    TestEnvironment environment_;
    const LogBatch primeiro_{{{QD_OP_LOG_LOCARQ_INCLUSAO, 4, Bytes(160, 1), {{QD_TYPE_LOG_TIPDOC, LittleEndian32(7)}}}}};
    const LogBatch segundo_{{{QD_OP_LOG_DOC_ALTERACAO_DE, 2, Bytes(256, 2), {{QD_TYPE_LOG_USUARIO, "\x03\x00"s}}},
                             {QD_OP_LOG_DOC_ALTERACAO_PARA, 2, Bytes(256, 3), {}}}};
};

std::vector<LogEntry> Juntas(const LogBatch& a, const LogBatch& b) {
    std::vector<LogEntry> todas = a.Entradas();
    todas.insert(todas.end(), b.Entradas().begin(), b.Entradas().end());
    return todas;
}

}  // namespace

// A batch of no entries still opens (and so creates) the log, but adds not a byte to it.
TEST_F(QDGravaLogTest, EmptyBatchOpensAndAppendsNothing) {
    const LogBatch vazio({});
    ASSERT_EQ(QDGravaLog(vazio.Get(), kUsuario, Pasta().c_str()), S_OK);
    EXPECT_EQ(ReadFile(Caminho()), std::string(1, '\0'));

    ASSERT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()), S_OK);
    const std::string antes = ReadFile(Caminho());
    ASSERT_EQ(QDGravaLog(vazio.Get(), kUsuario, Pasta().c_str()), S_OK);
    EXPECT_EQ(ReadFile(Caminho()), antes);
}

// Batches follow one another from byte 1 without gaps, and read back in the order written.
TEST_F(QDGravaLogTest, BatchesAreAppendedInOrder) {
    ASSERT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()), S_OK);
    ASSERT_EQ(QDGravaLog(segundo_.Get(), kUsuario, Pasta().c_str()), S_OK);
    EXPECT_EQ(fs::file_size(Caminho()), 1u + (40 + 160 + 8 + 4) + (40 + 256 + 8 + 2) + (40 + 256));
    EXPECT_EQ(Entradas(), Juntas(primeiro_, segundo_));
}

// A log file that lost even its header byte gets it back before the first entry, so that entries
// still start at byte 1.
TEST_F(QDGravaLogTest, LogWithoutHeaderByteGetsItFirst) {
    ASSERT_EQ(QDGravaLog(LogBatch({}).Get(), kUsuario, Pasta().c_str()), S_OK);
    fs::resize_file(Caminho(), 0);
    ASSERT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()), S_OK);
    EXPECT_EQ(ReadFile(Caminho()).front(), '\0');
    EXPECT_EQ(Entradas(), primeiro_.Entradas());
}

// Every entry of a batch carries one moment, read from the clock that the test clock moves, and
// the session's user, whatever the client put in.
TEST_F(QDGravaLogTest, MomentIsTheClocksOncePerBatchAndUserTheSessions) {
    const zt_time_test::RelogioFixado relogio(zt_time_test::Momento(2003, 4, 5, 6, 7, 8));
    const std::uint32_t antes = ZTGetAgora();
    ASSERT_EQ(QDGravaLog(segundo_.Get(), kUsuario, Pasta().c_str()), S_OK);
    const std::uint32_t depois = ZTGetAgora();

    std::vector<CQDLogEntrada> lidas;
    ASSERT_EQ(QDLeLog(Pasta().c_str(), lidas), S_OK);
    ASSERT_EQ(lidas.size(), 2u);
    EXPECT_GE(lidas[0].GetLog().dataGravacaoLog, antes);
    EXPECT_LE(lidas[0].GetLog().dataGravacaoLog, depois);
    EXPECT_LT(depois - antes, 60u) << "the test clock is not in use";
    EXPECT_EQ(lidas[1].GetLog().dataGravacaoLog, lidas[0].GetLog().dataGravacaoLog);
    for (const CQDLogEntrada& lida : lidas) EXPECT_EQ(lida.GetLog().iUsuario, kUsuario);
}

// A clock that cannot be read fails the batch before the log is touched, with the clock's error
// as a caught error translates it.
TEST_F(QDGravaLogTest, ClockFailureWritesNothing) {
    zt_time_test::GravaRelogio("1;31/2/2003;00:00:00:000;1/1/2003;00:00:00:000");
    EXPECT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()),
              platform::MakeHResult(0x80040000u | platform::ERROR_INVALID_PARAMETER));
    zt_time_test::ApagaRelogio();
    EXPECT_FALSE(fs::exists(Caminho()));
}

// A write that fails outright or halfway leaves the log exactly as it was and returns the
// failure: a half batch would make every later entry unreadable. Where even the cut back fails,
// the half batch stays until the next append, which must not land behind it.
TEST_F(QDGravaLogTest, FailedWriteLeavesTheLogAsItWas) {
    struct Caso {
        const char* nome;
        bool semCabecalho;  // the log has lost its header byte, so two writes are needed
        bool escritaCurta;
        bool corteFalha = false;  // the cut back after the short write fails as well
    };
    for (const Caso caso : {Caso{"write fails", false, false}, Caso{"short write", false, true},
                            Caso{"short write, header byte missing", true, true},
                            Caso{"short write, cut back fails", false, true, true}}) {
        fs::remove(Caminho());
        fs::remove(environment_.Path("ZTCTLARQ.DAT"));
        ASSERT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()), S_OK) << caso.nome;
        if (caso.semCabecalho) fs::resize_file(Caminho(), 0);
        const std::string antes = ReadFile(Caminho());

        platform::HRESULT hr = S_OK;
        if (caso.escritaCurta) {
            ShortWriteArqEx arquivo;
            arquivo.failingWrites = 1;
            arquivo.failingCuts = caso.corteFalha ? 1 : 0;
            hr = QDGravaLog(arquivo, segundo_.Get(), kUsuario, Pasta().c_str());
            EXPECT_FALSE(arquivo.IsOpen()) << caso.nome;
        } else {
            FaultyArqEx arquivo;
            arquivo.failingWrites = 1;
            arquivo.writeCause = platform::FileException::diskFull;
            hr = QDGravaLog(arquivo, segundo_.Get(), kUsuario, Pasta().c_str());
            EXPECT_EQ(arquivo.writes, 1) << caso.nome;
        }
        EXPECT_EQ(hr, HResultFromMessage(ZT_ERR_ARQ_DISCO_CHEIO)) << caso.nome;
        if (caso.corteFalha) {
            EXPECT_GT(fs::file_size(Caminho()), antes.size()) << caso.nome;
        } else {
            EXPECT_EQ(ReadFile(Caminho()), antes) << caso.nome;
        }
        EXPECT_EQ(MarkedFile(), "QDLOG.DAT") << caso.nome;

        // The log stays usable: the next batch lands right after the old entries.
        ASSERT_EQ(QDGravaLog(segundo_.Get(), kUsuario, Pasta().c_str()), S_OK) << caso.nome;
        EXPECT_EQ(Entradas(), caso.semCabecalho ? segundo_.Entradas() : Juntas(primeiro_, segundo_)) << caso.nome;
    }
}

// The bytes a process killed while appending leaves behind: the log of `inteiros` whole batches,
// then the first `rasgados` bytes of the block of `cortado`.
std::string LogRasgado(const std::vector<const LogBatch*>& inteiros, const LogBatch& cortado, std::size_t rasgados) {
    std::string bytes(1, '\0');
    std::vector<std::uint8_t> bloco;
    for (const LogBatch* batch : inteiros) {
        EXPECT_EQ(QDMontaBlocoLog(batch->Get(), 0, kUsuario, bloco), S_OK);
        bytes.append(bloco.begin(), bloco.end());
    }
    EXPECT_EQ(QDMontaBlocoLog(cortado.Get(), 0, kUsuario, bloco), S_OK);
    EXPECT_LT(rasgados, bloco.size());
    return bytes.append(bloco.begin(), bloco.begin() + static_cast<std::ptrdiff_t>(rasgados));
}

// A torn tail left by another process's interrupted append is cut off before this process's first
// append, so the new batch lands right after the last complete entry instead of being swallowed
// by the torn entry's lengths: every entry, old and new, reads back.
TEST_F(QDGravaLogTest, TornTailIsCutBeforeTheFirstAppend) {
    const LogBatch terceiro({{QD_OP_LOG_TIPDOC_EXCLUSAO, 6, Bytes(128, 4), {}}});
    struct Caso {
        std::size_t rasgados;  // bytes of the second batch's block that reached the disk
        bool primeiraInteira;  // its first entry (306 bytes) among them
    };
    const std::vector<Caso> casos = {
        {1, false}, {39, false}, {40 + 100, false}, {40 + 256 + 3, false},  // header, data, item header
        {306 + 40 + 10, true},                                              // inside its second entry
    };
    for (const Caso& caso : casos) {
        const std::string pasta = environment_.Path("torn-" + std::to_string(caso.rasgados));  // unknown to this process
        fs::create_directories(pasta);
        WriteFile(pasta + "/QDLOG.DAT", LogRasgado({&primeiro_}, segundo_, caso.rasgados));
        ASSERT_EQ(QDGravaLog(terceiro.Get(), kUsuario, pasta.c_str()), S_OK) << caso.rasgados;

        std::vector<LogEntry> esperadas = primeiro_.Entradas();
        if (caso.primeiraInteira) esperadas.push_back(segundo_.Entradas().front());
        esperadas.push_back(terceiro.Entradas().front());
        EXPECT_EQ(Entradas(pasta), esperadas) << caso.rasgados;
        const std::uintmax_t tamanho = 1 + (40 + 160 + 8 + 4) + (caso.primeiraInteira ? 306 : 0) + (40 + 128);
        EXPECT_EQ(fs::file_size(pasta + "/QDLOG.DAT"), tamanho) << caso.rasgados;
    }
}

// A log damaged inside (a length no writer makes) is not the writer's to cut: it appends behind
// the damage and leaves every byte before it for the readers to report.
TEST_F(QDGravaLogTest, DamagedLogIsNotCut) {
    ASSERT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()), S_OK);
    std::string danificado = ReadFile(Caminho());
    danificado.replace(1 + 4, 4, LittleEndian32(0xFFFFFFF0u));
    const std::string pasta = environment_.Path("damaged");  // unknown to this process
    fs::create_directories(pasta);
    WriteFile(pasta + "/QDLOG.DAT", danificado);

    ASSERT_EQ(QDGravaLog(segundo_.Get(), kUsuario, pasta.c_str()), S_OK);
    EXPECT_EQ(ReadFile(pasta + "/QDLOG.DAT").substr(0, danificado.size()), danificado);
    EXPECT_GT(fs::file_size(pasta + "/QDLOG.DAT"), danificado.size());
}

// The open's failure is the batch's result, as an HRESULT of the record-file code.
TEST_F(QDGravaLogTest, OpenFailuresAreReturned) {
    EXPECT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, environment_.Path("sem-pasta/dados").c_str()),
              HResultFromMessage(ZT_ERR_ARQ_CAMINHO));

    // A log that existed and was deleted is reported, never silently started anew.
    ASSERT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, Pasta().c_str()), S_OK);
    fs::remove(Caminho());
    EXPECT_EQ(QDGravaLog(segundo_.Get(), kUsuario, Pasta().c_str()), HResultFromMessage(ZT_ERR_ARQ_NAO_ENCONTRADO));
    EXPECT_FALSE(fs::exists(Caminho()));
    EXPECT_EQ(MarkedFile(), "QDLOG.DAT");
}

namespace {

// A session without a data directory must not write a log into the server's working folder.
TEST_F(QDGravaLogTest, NoDataDirectoryWritesNothingAnywhere) {
    const fs::path antes = fs::current_path();
    fs::current_path(Pasta());
    EXPECT_EQ(QDGravaLog(primeiro_.Get(), kUsuario, ""), HResultFromMessage(ZT_ERR_ARQ_NOME_MODO));
    std::vector<CQDLogEntrada> lidas;
    EXPECT_EQ(QDLeLog("", lidas), HResultFromMessage(ZT_ERR_ARQ_NOME_MODO));
    EXPECT_FALSE(fs::exists("QDLOG.DAT"));
    EXPECT_FALSE(fs::exists("ZTCTLARQ.DAT"));
    fs::current_path(antes);
}

}  // namespace
