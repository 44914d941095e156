#include "server/record_file/zt_arq_ex.h"

#include "platform/tests/support/test_environment.h"
#include "server/record_file/record_file_codes.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace kelvo::testing;
using platform::FileException;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kR = 8;

class CZTArqExOpen : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = environment_.Path("QDDOCUSU.DAT");
        CZTArqEx creator;
        ASSERT_EQ(creator.Open(path_.c_str(), 'G', kR, true), 0);
    }

    TestEnvironment environment_;
    std::string path_;
};

}  // namespace

// Two writers of one file in one process exclude each other, as between processes: the second
// tries 60 times, 10 ms apart, then answers 16110, and marks the file.
TEST_F(CZTArqExOpen, SecondWriterInTheSameProcessIsRefusedAfter60Attempts) {
    CZTArqEx first;
    ASSERT_EQ(first.Open(path_.c_str(), 'G', kR, false), 0);
    FakeTicker ticker;
    CZTArqEx second(ticker);
    EXPECT_EQ(second.Open(path_.c_str(), 'G', kR, false), ZT_ERR_ARQ_COMPARTILHAMENTO);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(ticker.sleeps, std::vector<unsigned>(59, 10));
    EXPECT_EQ(MarkedFile(), "QDDOCUSU.DAT");
    EXPECT_EQ(MarkedUser(), "0");
}

// Readers coexist with one writer and with each other; a creator is a writer.
TEST_F(CZTArqExOpen, ReadersCoexistWithOneWriter) {
    FakeTicker ticker;
    CZTArqEx writer(ticker), reader1(ticker), reader2(ticker), creator(ticker);
    ASSERT_EQ(writer.Open(path_.c_str(), 'G', kR, false), 0);
    EXPECT_EQ(reader1.Open(path_.c_str(), 'L', kR, false), 0);
    EXPECT_EQ(reader2.Open(path_.c_str(), 'L', kR, false), 0);
    EXPECT_TRUE(ticker.sleeps.empty());
    EXPECT_EQ(creator.Open(path_.c_str(), 'C', kR, false), ZT_ERR_ARQ_COMPARTILHAMENTO);
    // The refused creator must not have emptied the file under the writer.
    EXPECT_EQ(fs::file_size(path_), kR);
}

// A busy open rewrites the registry's failure mark once, not at each of its 60 attempts.
TEST_F(CZTArqExOpen, RepeatedFailureMarksDoNotRewriteTheStore) {
    ZTMarcaFalhaArquivo(path_.c_str());
    const fs::path store = environment_.RegistryFolder() / "HKEY_LOCAL_MACHINE.txt";
    const ino_t before = FileIdentity(store);
    ASSERT_NE(before, 0u);

    CZTArqEx first;
    ASSERT_EQ(first.Open(path_.c_str(), 'G', kR, false), 0);
    FakeTicker ticker;
    CZTArqEx second(ticker);
    EXPECT_EQ(second.Open(path_.c_str(), 'G', kR, false), ZT_ERR_ARQ_COMPARTILHAMENTO);
    EXPECT_EQ(FileIdentity(store), before);

    // A different file's failure does rewrite it.
    ZTMarcaFalhaArquivo(environment_.Path("QDDOC.DAT").c_str());
    EXPECT_NE(FileIdentity(store), before);
    EXPECT_EQ(MarkedFile(), "QDDOC.DAT");
}

// A registry that cannot be written must not change a file operation's answer.
TEST_F(CZTArqExOpen, RegistryFailureIsIgnored) {
    WriteFile(environment_.Path("nao-e-pasta"), "x");
    setenv("KELVO_REGISTRY", environment_.Path("nao-e-pasta/registry").c_str(), 1);
    CZTArqEx arquivo;
    EXPECT_EQ(arquivo.Open(environment_.Path("QDTPD.DAT").c_str(), 'L', kR, false), ZT_ERR_ARQ_NAO_ENCONTRADO);
    EXPECT_EQ(arquivo.Open(environment_.Path("QDTPD.DAT").c_str(), 'G', kR, true), 0);
}

// A transient failure is retried; the open then succeeds, and each failed attempt is marked.
TEST_F(CZTArqExOpen, TransientFailuresAreRetried) {
    FakeTicker ticker;
    FaultyArqEx arquivo(ticker);
    arquivo.failingOpens = 5;
    arquivo.openCause = FileException::lockViolation;
    EXPECT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false), 0);
    EXPECT_TRUE(arquivo.IsOpen());
    EXPECT_EQ(arquivo.opens, 6);
    EXPECT_EQ(ticker.sleeps, std::vector<unsigned>(5, 10));
    EXPECT_EQ(MarkedFile(), "QDDOCUSU.DAT");
}

// What a cause that persists through all 60 attempts answers, and after how many attempts.
TEST_F(CZTArqExOpen, PersistentCausesAnswerTheirCodes) {
    struct Case {
        FileException::Cause cause;
        int expected;
        int attempts;
    };
    const Case cases[] = {
        {FileException::badPath, ZT_ERR_ARQ_CAMINHO, 1},
        {FileException::invalidFile, ZT_ERR_ARQ_INVALIDO, 1},
        {FileException::directoryFull, ZT_ERR_ARQ_PASTA_CHEIA, 1},
        {FileException::tooManyOpenFiles, ZT_ERR_ARQ_ABERTOS_DEMAIS, 60},
        {FileException::accessDenied, ZT_ERR_ARQ_ACESSO_NEGADO, 60},
        {FileException::sharingViolation, ZT_ERR_ARQ_COMPARTILHAMENTO, 60},
        {FileException::lockViolation, ZT_ERR_ARQ_BLOQUEIO, 60},
        {FileException::diskFull, ZT_ERR_ARQ_DISCO_CHEIO, 60},
        {FileException::hardIO, ZT_ERR_ARQ_OUTRO, 60},
        {FileException::genericException, ZT_ERR_ARQ_OUTRO, 60},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.cause));
        FakeTicker ticker;
        FaultyArqEx arquivo(ticker);
        arquivo.failingOpens = 1000;
        arquivo.openCause = test.cause;
        EXPECT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false), test.expected);
        EXPECT_EQ(arquivo.opens, test.attempts);
        EXPECT_EQ(ticker.sleeps.size(), static_cast<size_t>(test.attempts - 1));
        EXPECT_FALSE(arquivo.IsOpen());
    }
}

// A file with the read-only attribute that stays denied answers 16081, else 16080. (A folder is
// used: opening it for writing is denied even for the superuser; with no write bit it is read-only.)
TEST_F(CZTArqExOpen, DeniedReadOnlyFileIs16081) {
    const fs::path folder = environment_.Path("PASTA.DAT");
    fs::create_directory(folder);
    FakeTicker ticker;
    CZTArqEx arquivo(ticker);
    EXPECT_EQ(arquivo.Open(folder.c_str(), 'G', kR, false), ZT_ERR_ARQ_ACESSO_NEGADO);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(arquivo.Open(folder.c_str(), 'G', kR, false, true), ZT_ERR_ARQ_SOMENTE_LEITURA);
    fs::permissions(folder, fs::perms::owner_all);
}

// After the first open, Open only stores the settings; the file opens at the first read.
TEST_F(CZTArqExOpen, LaterOpensAreLazyUnlessForced) {
    CZTArqEx arquivo;
    ASSERT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false), 0);
    ASSERT_EQ(arquivo.CloseEx(), 0);
    ASSERT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false), 0);
    EXPECT_FALSE(arquivo.IsOpen());
    std::vector<char> buffer(kR);
    ASSERT_EQ(arquivo.ReadRecord(0, buffer.data()), 0);
    EXPECT_TRUE(arquivo.IsOpen());
    ASSERT_EQ(arquivo.CloseEx(), 0);
    ASSERT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false, true), 0);
    EXPECT_TRUE(arquivo.IsOpen());
    // A lazily stored missing file is reported at its first use.
    ASSERT_EQ(arquivo.CloseEx(), 0);
    ASSERT_EQ(arquivo.Open(environment_.Path("NADA.DAT").c_str(), 'L', kR, false), ZT_ERR_ARQ_NAO_ENCONTRADO);
}

// Opening an open object on another file closes the first, so no handle is left behind
// holding the old file's share mode.
TEST_F(CZTArqExOpen, OpeningAnotherFileClosesTheFirst) {
    CZTArqEx arquivo;
    ASSERT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false), 0);
    ASSERT_EQ(arquivo.Open(environment_.Path("QDTPDUSU.DAT").c_str(), 'G', kR, true, true), 0);
    EXPECT_EQ(arquivo.GetCaminho(), environment_.Path("QDTPDUSU.DAT").c_str());
    FakeTicker ticker;
    CZTArqEx other(ticker);
    EXPECT_EQ(other.Open(path_.c_str(), 'G', kR, false), 0);
    EXPECT_TRUE(ticker.sleeps.empty());
    // The same file, mode and R again is left open as it is.
    ASSERT_EQ(arquivo.Open(environment_.Path("QDTPDUSU.DAT").c_str(), 'G', kR, true, true), 0);
    EXPECT_TRUE(arquivo.IsOpen());
}

// A write that fails for a moment is retried at once; one that keeps failing answers its code on
// the last attempt, marks the file and leaves the data as it was.
TEST_F(CZTArqExOpen, WritesRetryTransientFailures) {
    FaultyArqEx arquivo;
    ASSERT_EQ(arquivo.Open(path_.c_str(), 'G', kR, false), 0);
    const std::vector<char> record = Record(kR, 'w');
    arquivo.failingWrites = 3;
    arquivo.writeCause = FileException::diskFull;
    std::int32_t position = 0;
    ASSERT_EQ(arquivo.WriteRecord(record.data(), position), 0);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(arquivo.writes, 4);

    arquivo.failingWrites = 1000;
    arquivo.writes = 0;
    position = 0;
    EXPECT_EQ(arquivo.WriteRecord(record.data(), position), ZT_ERR_ARQ_DISCO_CHEIO);
    EXPECT_EQ(arquivo.writes, 60);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(MarkedFile(), "QDDOCUSU.DAT");

    arquivo.writes = 0;
    arquivo.writeCause = FileException::hardIO;
    EXPECT_EQ(arquivo.WriteRecord(record.data(), position), ZT_ERR_ARQ_ES_DISCO);
    EXPECT_EQ(arquivo.writes, 1);
    arquivo.failingWrites = 0;
    EXPECT_EQ(fs::file_size(path_), 2 * kR);
}
