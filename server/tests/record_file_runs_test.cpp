#include "server/record_file/zt_arq_bytes.h"
#include "server/record_file/zt_sequencia.h"

#include "platform/tests/support/test_environment.h"
#include "server/record_file/record_file_codes.h"
#include "server/tests/record_file_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvo::testing;

namespace {

constexpr std::uint32_t kR = 8;

// `count` records of the user file, the i-th filled with letter + i.
std::vector<char> Users(int count, char letter) {
    std::vector<char> records;
    for (int i = 0; i < count; ++i) {
        const std::vector<char> record = Record(kR, static_cast<char>(letter + i));
        records.insert(records.end(), record.begin(), record.end());
    }
    return records;
}

class ZTSequencia : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(users_.Open(environment_.Path("QDDOCUSU.DAT").c_str(), 'G', kR, true), 0); }

    // Writes `count` users for an owner; checks the run reads back.
    void WriteRun(int count, char letter, std::int32_t& stored, std::int32_t& first) {
        const std::vector<char> records = Users(count, letter);
        ASSERT_EQ(ZTGravaSequencia(users_, records.data(), count, stored, first), 0);
        stored = count;
        std::vector<char> read;
        ASSERT_EQ(ZTLeSequencia(users_, first, count, read), 0);
        EXPECT_EQ(read, records);
    }

    TestEnvironment environment_;
    CZTArqEx users_;
};

}  // namespace

// A first list is appended at the end, its first record becoming the run's start.
TEST_F(ZTSequencia, FirstListIsAppended) {
    std::int32_t stored = 0, first = 0;
    WriteRun(3, 'a', stored, first);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(users_.RecordCount(), 3);
}

// A list of 3 rewritten as 5 moves to the end, so it never runs over the next owner's records;
// rewritten as 2 it stays in place.
TEST_F(ZTSequencia, LongerListMovesShorterListStays) {
    std::int32_t storedA = 0, firstA = 0, storedB = 0, firstB = 0;
    WriteRun(3, 'a', storedA, firstA);
    WriteRun(2, 'x', storedB, firstB);
    EXPECT_EQ(firstB, 4);

    WriteRun(5, 'A', storedA, firstA);
    EXPECT_EQ(firstA, 6);
    EXPECT_EQ(users_.RecordCount(), 10);
    std::vector<char> owner2;
    ASSERT_EQ(ZTLeSequencia(users_, firstB, 2, owner2), 0);
    EXPECT_EQ(owner2, Users(2, 'x'));

    WriteRun(2, 'm', storedA, firstA);
    EXPECT_EQ(firstA, 6);
    EXPECT_EQ(users_.RecordCount(), 10);
}

// An empty list writes nothing and leaves the run as stored.
TEST_F(ZTSequencia, EmptyListWritesNothing) {
    std::int32_t first = 0;
    ASSERT_EQ(ZTGravaSequencia(users_, nullptr, 0, 0, first), 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(users_.RecordCount(), 0);
    std::vector<char> read(3, 'x');
    ASSERT_EQ(ZTLeSequencia(users_, 0, 0, read), 0);
    EXPECT_TRUE(read.empty());
}

// A damaged owner's count or start must not allocate or read beyond the file.
TEST_F(ZTSequencia, RunsOutsideTheFileAreRefused) {
    std::int32_t stored = 0, first = 0;
    WriteRun(3, 'a', stored, first);
    struct Case {
        std::int32_t first;
        std::int32_t count;
    };
    for (const Case& run : {Case{1, 4}, Case{0, 1}, Case{-5, 2}, Case{2, -1}, Case{3, 0x7FFFFFFF}, Case{0x7FFFFFFF, 2}}) {
        SCOPED_TRACE(std::to_string(run.first) + "+" + std::to_string(run.count));
        std::vector<char> read;
        EXPECT_EQ(ZTLeSequencia(users_, run.first, run.count, read), ZT_ERR_ARQ_FIM);
        EXPECT_TRUE(read.empty());
    }
    const std::vector<char> records = Users(2, 'q');
    std::int32_t badFirst = 0x7FFFFFFF;
    EXPECT_EQ(ZTGravaSequencia(users_, records.data(), 2, 2, badFirst), ZT_ERR_ARQ_POSICIONAMENTO);
    EXPECT_EQ(ZTGravaSequencia(users_, records.data(), -1, 2, first), ZT_ERR_ARQ_FIM);
}

// An appended run whose first record takes the last 32-bit position but whose second would not
// fit is refused whole: no record of it lands where no stored position can name it.
TEST_F(ZTSequencia, AppendedRunPastTheLastPositionWritesNothing) {
    const std::uint64_t comprimento = std::uint64_t{0x7FFFFFFF} * kR;  // sparse: next record 2^31 - 1
    ASSERT_EQ(users_.SetLengthEx(comprimento), 0);
    const std::vector<char> records = Users(2, 'q');
    std::int32_t first = 0;
    EXPECT_EQ(ZTGravaSequencia(users_, records.data(), 2, 0, first), ZT_ERR_ARQ_POSICIONAMENTO);
    std::int64_t length = 0;
    ASSERT_EQ(users_.SeekEx('F', 0, length), 0);
    EXPECT_EQ(static_cast<std::uint64_t>(length), comprimento);
    // One record still fits there.
    first = 0;
    ASSERT_EQ(ZTGravaSequencia(users_, records.data(), 1, 0, first), 0);
    EXPECT_EQ(first, 0x7FFFFFFF);
}

namespace {

class ZTArqBytes : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = environment_.Path("QDDOCDSC.DAT");
        ASSERT_EQ(texts_.Open(path_.c_str(), 'G', 1, true), 0);
    }
    std::string ReadBack(std::int32_t offset, std::int32_t length) {
        std::string text;
        EXPECT_EQ(ZTLeBytesArq(texts_, offset, length, text), 0);
        return text;
    }

    TestEnvironment environment_;
    std::string path_;
    CZTArqEx texts_;
};

}  // namespace

// Strings are appended after the one-byte header and read back by (offset, length).
TEST_F(ZTArqBytes, StringsAreAppendedAndReadBack) {
    std::int32_t first = 0, second = 0;
    ASSERT_EQ(ZTGravaBytesArq(texts_, "primeira", 8, 0, first), 0);
    ASSERT_EQ(ZTGravaBytesArq(texts_, "segunda", 7, 0, second), 0);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 9);
    EXPECT_EQ(ReadBack(first, 8), "primeira");
    EXPECT_EQ(ReadBack(second, 7), "segunda");
    EXPECT_EQ(ReadFile(path_), std::string(1, '\0') + "primeirasegunda");
}

// A shorter string is rewritten in place; a longer one moves to the end and keeps its neighbour.
TEST_F(ZTArqBytes, LongerStringMovesShorterStaysInPlace) {
    std::int32_t first = 0, second = 0;
    ASSERT_EQ(ZTGravaBytesArq(texts_, "abcdef", 6, 0, first), 0);
    ASSERT_EQ(ZTGravaBytesArq(texts_, "vizinho", 7, 0, second), 0);
    ASSERT_EQ(ZTGravaBytesArq(texts_, "xyz", 3, 6, first), 0);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(ReadBack(first, 3), "xyz");
    ASSERT_EQ(ZTGravaBytesArq(texts_, "muito mais longo", 16, 3, first), 0);
    EXPECT_EQ(first, 14);
    EXPECT_EQ(ReadBack(first, 16), "muito mais longo");
    EXPECT_EQ(ReadBack(second, 7), "vizinho");
}

// An empty string writes nothing and leaves offset 0 ("no string").
TEST_F(ZTArqBytes, EmptyStringLeavesOffsetZero) {
    std::int32_t offset = 5;
    ASSERT_EQ(ZTGravaBytesArq(texts_, "", 0, 3, offset), 0);
    EXPECT_EQ(offset, 0);
    EXPECT_EQ(ReadFile(path_), std::string(1, '\0'));
    EXPECT_EQ(ReadBack(0, 0), "");
}

// A byte file without its header byte gets one first: a string never starts at offset 0.
TEST_F(ZTArqBytes, HeaderlessFileGetsItsHeaderBeforeTheFirstString) {
    texts_.CloseEx();
    WriteFile(path_, "");
    std::int32_t offset = 0;
    ASSERT_EQ(ZTGravaBytesArq(texts_, "abc", 3, 0, offset), 0);
    EXPECT_EQ(offset, 1);
    EXPECT_EQ(ReadFile(path_), std::string(1, '\0') + "abc");
}

// An owner whose offset or length points outside the file gets 16021, never an over-read.
TEST_F(ZTArqBytes, StringsOutsideTheFileAreRefused) {
    std::int32_t offset = 0;
    ASSERT_EQ(ZTGravaBytesArq(texts_, "abcdef", 6, 0, offset), 0);
    struct Case {
        std::int32_t offset;
        std::int32_t length;
    };
    for (const Case& bad : {Case{7, 1}, Case{100, 1}, Case{0, 3}, Case{2, 6}, Case{1, -1}, Case{1, 0x7FFFFFFF}}) {
        SCOPED_TRACE(std::to_string(bad.offset) + "+" + std::to_string(bad.length));
        std::string text = "old";
        EXPECT_EQ(ZTLeBytesArq(texts_, bad.offset, bad.length, text), ZT_ERR_ARQ_FIM);
        EXPECT_TRUE(text.empty());
    }
    std::int32_t pastTheEnd = 50;
    EXPECT_EQ(ZTGravaBytesArq(texts_, "zz", 2, 2, pastTheEnd), ZT_ERR_ARQ_FIM);
}
