#include "server/record_file/zt_arq_ex.h"

#include "platform/tests/support/test_environment.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvo::testing;

namespace {

constexpr std::uint32_t kR = 16;

// Each case has a file of three records 'a', 'b', 'c' and a reader whose time is fake. Records
// are changed behind the layer's back (PatchFile) to see whether a read came from the cache.
class CZTArqExCache : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = environment_.Path("QDDOCCMP.DAT");
        WriteFile(path_, std::string(kR, '\0') + std::string(kR, 'a') + std::string(kR, 'b') + std::string(kR, 'c'));
        ASSERT_EQ(reader_.Open(path_.c_str(), 'L', kR, false), 0);
    }

    std::string Read(CZTArqEx& arquivo, std::int32_t position) {
        std::vector<char> buffer(kR, '?');
        EXPECT_EQ(arquivo.ReadRecord(position, buffer.data()), 0);
        return std::string(buffer.begin(), buffer.end());
    }
    void ChangeBehindTheBack(std::int32_t position, char fill) { PatchFile(path_, position * kR, std::string(kR, fill)); }

    TestEnvironment environment_;
    std::string path_;
    FakeTicker ticker_;
    CZTArqEx reader_{ticker_};
};

}  // namespace

// Sequential reads are served from the read-ahead (the file's later change is not seen yet).
TEST_F(CZTArqExCache, SequentialReadsComeFromTheCache) {
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'a'));
    // The fill read from record 1 to the end of the file.
    EXPECT_EQ(CZTArqEx::GetMarcadorCache(), static_cast<long>(3 * kR));
    ChangeBehindTheBack(2, 'B');
    EXPECT_EQ(Read(reader_, 2), std::string(kR, 'b'));
}

// The cache is trusted for 60 seconds at most.
TEST_F(CZTArqExCache, CacheIsTrustedFor60SecondsOnly) {
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'a'));
    ChangeBehindTheBack(2, 'B');
    ticker_.now += 60000;
    EXPECT_EQ(Read(reader_, 2), std::string(kR, 'b'));
    ticker_.now += 1;
    EXPECT_EQ(Read(reader_, 2), std::string(kR, 'B'));
}

// A write of the same object empties its cache.
TEST_F(CZTArqExCache, OwnWriteDropsTheCache) {
    CZTArqEx writer;
    ASSERT_EQ(writer.Open(path_.c_str(), 'G', kR, false), 0);
    EXPECT_EQ(Read(writer, 1), std::string(kR, 'a'));
    std::int32_t position = 2;
    const std::vector<char> record = Record(kR, 'W');
    ASSERT_EQ(writer.WriteRecord(record.data(), position), 0);
    EXPECT_EQ(CZTArqEx::GetMarcadorCache(), -1);
    EXPECT_EQ(Read(writer, 2), std::string(kR, 'W'));
}

// Another object's write in this process stops this reader's cache from being consulted.
TEST_F(CZTArqExCache, AnotherObjectsWriteDropsTheCache) {
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'a'));
    CZTArqEx writer;
    ASSERT_EQ(writer.Open(path_.c_str(), 'G', kR, false), 0);
    std::int32_t position = 2;
    const std::vector<char> record = Record(kR, 'W');
    ASSERT_EQ(writer.WriteRecord(record.data(), position), 0);
    EXPECT_EQ(Read(reader_, 2), std::string(kR, 'W'));
}

// A cache filled before a write stays untrusted even after a third file fills its cache (which
// sets the process-wide marker again): otherwise the reader would see the record as it was.
TEST_F(CZTArqExCache, CacheFilledBeforeAWriteStaysUntrusted) {
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'a'));
    {
        CZTArqEx writer;
        ASSERT_EQ(writer.Open(path_.c_str(), 'G', kR, false), 0);
        std::int32_t position = 2;
        const std::vector<char> record = Record(kR, 'W');
        ASSERT_EQ(writer.WriteRecord(record.data(), position), 0);
    }
    CZTArqEx third;
    ASSERT_EQ(third.Open(environment_.Path("QDTPDCMP.DAT").c_str(), 'G', kR, true), 0);
    std::vector<char> header(kR);
    ASSERT_EQ(third.ReadRecord(0, header.data()), 0);
    EXPECT_NE(CZTArqEx::GetMarcadorCache(), -1);
    EXPECT_EQ(Read(reader_, 2), std::string(kR, 'W'));
}

// A read outside the cached range goes to the file.
TEST_F(CZTArqExCache, RecordsBeyondTheCachedRangeAreReadFromTheFile) {
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'a'));
    PatchFile(path_, 4 * kR, std::string(kR, 'd'));
    EXPECT_EQ(Read(reader_, 4), std::string(kR, 'd'));
}

// Opening the object on another file frees the cache: records of the old file never come back.
TEST_F(CZTArqExCache, AnotherPathDoesNotUseTheOldCache) {
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'a'));
    const std::string other = environment_.Path("OUTRO.DAT");
    WriteFile(other, std::string(kR, '\0') + std::string(kR, 'x'));
    ASSERT_EQ(reader_.Open(other.c_str(), 'L', kR, false), 0);
    EXPECT_EQ(Read(reader_, 1), std::string(kR, 'x'));
}
