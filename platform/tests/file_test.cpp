#include "platform/file/file.h"

#include "platform/tests/support/test_environment.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace platform {
namespace {

using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

constexpr unsigned kReadWriteCreate = File::modeReadWrite | File::shareDenyWrite | File::modeCreate;

std::optional<FileException> Thrown(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileException& exception) {
        return exception;
    }
    return std::nullopt;
}

std::string ReadAll(File& file, unsigned chunk) {
    std::string text;
    std::string buffer(chunk, '\0');
    for (int round = 0; round < 1'000'000; ++round) {
        const unsigned n = file.Read(buffer.data(), chunk);
        if (n == 0) break;
        text.append(buffer.data(), n);
    }
    return text;
}

TEST(File, WrittenBytesReadBackAtEveryPosition) {
    TestEnvironment env;
    File file;
    ASSERT_TRUE(file.Open(env.Path("a.dat"), kReadWriteCreate));
    file.Write("0123456789", 10);
    EXPECT_EQ(file.GetPosition(), 10u);
    EXPECT_EQ(file.GetLength(), 10u);
    EXPECT_EQ(file.Seek(2, File::begin), 2u);
    EXPECT_EQ(file.Seek(3, File::current), 5u);
    EXPECT_EQ(file.Seek(-4, File::end), 6u);
    char two[2] = {};
    EXPECT_EQ(file.Read(two, 2), 2u);
    EXPECT_EQ(std::string(two, 2), "67");
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0u);
    EXPECT_EQ(file.SeekToEnd(), 10u);
    file.Flush();
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadFile(env.Path("a.dat")), "0123456789");
}

// Callers detect the end of a file by a short read; an exception there would break every loop.
TEST(File, ReadPastTheEndReturnsFewerBytesThenZero) {
    TestEnvironment env;
    WriteFile(env.Path("a.dat"), "abcdefghij");
    File file;
    ASSERT_TRUE(file.Open(env.Path("a.dat"), File::modeRead | File::shareDenyNone));
    char buffer[32] = {};
    file.Seek(6, File::begin);
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u);
    EXPECT_EQ(std::string(buffer, 4), "ghij");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.Seek(100, File::begin), 100u);  // beyond the end is allowed
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
}

TEST(File, SeekBeforeTheStartIsBadSeekAndKeepsThePosition) {
    TestEnvironment env;
    File file;
    ASSERT_TRUE(file.Open(env.Path("a.dat"), kReadWriteCreate));
    file.Write("abc", 3);
    const auto thrown = Thrown([&] { file.Seek(-4, File::current); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_cause, FileException::badSeek);
    EXPECT_EQ(thrown->m_lOsError, static_cast<long>(ERROR_NEGATIVE_SEEK));
    EXPECT_EQ(thrown->m_strFileName, String(env.Path("a.dat")));
    EXPECT_EQ(file.GetPosition(), 3u);
}

TEST(File, SetLengthCutsOrExtendsAndMovesThePositionThere) {
    TestEnvironment env;
    File file;
    ASSERT_TRUE(file.Open(env.Path("a.dat"), kReadWriteCreate));
    file.Write("abcdef", 6);
    file.SetLength(2);
    EXPECT_EQ(file.GetLength(), 2u);
    EXPECT_EQ(file.GetPosition(), 2u);
    file.SetLength(5);
    EXPECT_EQ(file.GetPosition(), 5u);
    file.Close();
    EXPECT_EQ(ReadFile(env.Path("a.dat")), std::string("ab\0\0\0", 5));
}

TEST(File, CreateTruncatesUnlessNoTruncateIsGiven) {
    TestEnvironment env;
    WriteFile(env.Path("keep.dat"), "kept");
    WriteFile(env.Path("empty.dat"), "gone");
    File file;
    ASSERT_TRUE(file.Open(env.Path("keep.dat"), kReadWriteCreate | File::modeNoTruncate));
    EXPECT_EQ(file.GetLength(), 4u);
    file.Close();
    ASSERT_TRUE(file.Open(env.Path("empty.dat"), kReadWriteCreate));
    EXPECT_EQ(file.GetLength(), 0u);
    file.Close();
    ASSERT_TRUE(file.Open(env.Path("new.dat"), kReadWriteCreate | File::modeNoTruncate));
    EXPECT_EQ(file.GetLength(), 0u);
}

// The descriptor's access must stop the other direction, as the original handle's access did.
TEST(File, AccessModeStopsTheOtherDirection) {
    TestEnvironment env;
    WriteFile(env.Path("a.dat"), "abc");
    File reader;
    ASSERT_TRUE(reader.Open(env.Path("a.dat"), File::modeRead | File::shareDenyNone));
    auto thrown = Thrown([&] { reader.Write("x", 1); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_cause, FileException::accessDenied);
    EXPECT_EQ(thrown->m_lOsError, static_cast<long>(ERROR_ACCESS_DENIED));

    File writer;
    ASSERT_TRUE(writer.Open(env.Path("a.dat"), File::modeWrite | File::shareDenyNone));
    char byte = 0;
    thrown = Thrown([&] { (void)writer.Read(&byte, 1); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_cause, FileException::accessDenied);
}

TEST(File, OperationsOnAClosedFileThrowInvalidHandle) {
    File file;
    const auto thrown = Thrown([&] { (void)file.GetLength(); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_lOsError, static_cast<long>(ERROR_INVALID_HANDLE));
    file.Close();  // closing a closed file is harmless
    file.Abort();
}

TEST(File, OpenRefusesBadFlagsAndASecondOpen) {
    TestEnvironment env;
    struct Case {
        unsigned flags;
        const char* why;
    };
    const Case cases[] = {
        {0x0003, "access 3 does not exist"},
        {File::modeRead | 0x0050, "share 0x50 does not exist"},
        {File::modeRead | File::typeText | File::typeBinary, "text and binary at once"},
        {File::modeRead | 0x0100, "unknown bit"},
    };
    for (const Case& c : cases) {
        File file;
        FileException error;
        EXPECT_FALSE(file.Open(env.Path("x.dat"), c.flags | File::modeCreate, &error)) << c.why;
        EXPECT_EQ(error.m_lOsError, static_cast<long>(ERROR_INVALID_PARAMETER)) << c.why;
        EXPECT_FALSE(file.IsOpen()) << c.why;
    }

    File file;
    ASSERT_TRUE(file.Open(env.Path("first.dat"), kReadWriteCreate));
    FileException error;
    EXPECT_FALSE(file.Open(env.Path("second.dat"), kReadWriteCreate, &error));
    EXPECT_EQ(error.m_lOsError, static_cast<long>(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(file.GetFilePath(), String(env.Path("first.dat")));
    file.Write("still", 5);
    EXPECT_EQ(file.GetLength(), 5u);
}

TEST(File, TextModeWritesCrLfAndReadsItBackAsLf) {
    TestEnvironment env;
    File file;
    ASSERT_TRUE(file.Open(env.Path("t.txt"), File::modeWrite | File::shareExclusive | File::modeCreate | File::typeText));
    file.Write("a\nb\r\n\n", 6);
    file.Close();
    // Every LF goes out as CR LF, also one that already had a CR, as the C run-time does.
    EXPECT_EQ(ReadFile(env.Path("t.txt")), "a\r\nb\r\r\n\r\n");

    WriteFile(env.Path("r.txt"), "a\r\nb\rc\r\n\r\nd\r");
    ASSERT_TRUE(file.Open(env.Path("r.txt"), File::modeRead | File::shareDenyNone | File::typeText));
    EXPECT_EQ(ReadAll(file, 64), "a\nb\rc\n\nd\r");
}

// A CR LF pair split by the caller's buffer size must still become one LF, and a CR followed by
// something else must not swallow that byte.
TEST(File, TextModeJoinsCrLfAcrossReadBoundaries) {
    TestEnvironment env;
    const std::string disk = "x\r\ny\rz\r\n\r\nw";
    const std::string expected = "x\ny\rz\n\nw";
    WriteFile(env.Path("r.txt"), disk);
    for (unsigned chunk : {1u, 2u, 3u, 4u, 5u, 7u}) {
        File file;
        ASSERT_TRUE(file.Open(env.Path("r.txt"), File::modeRead | File::shareDenyNone | File::typeText));
        EXPECT_EQ(ReadAll(file, chunk), expected) << "chunk " << chunk;
        EXPECT_EQ(file.GetPosition(), disk.size()) << "chunk " << chunk;
    }
}

// A text read fills the whole buffer when the file has the bytes, so a short read still means
// the end of the file.
TEST(File, TextModeReadFillsTheBufferBeforeTheEnd) {
    TestEnvironment env;
    std::string lines;
    for (int i = 0; i < 5000; ++i) lines += "line\n";
    File file;
    ASSERT_TRUE(file.Open(env.Path("big.txt"), kReadWriteCreate | File::typeText));
    file.Write(lines.data(), static_cast<unsigned>(lines.size()));
    EXPECT_EQ(file.GetLength(), lines.size() + 5000);
    file.SeekToBegin();
    std::string buffer(1000, '\0');
    EXPECT_EQ(file.Read(buffer.data(), 1000), 1000u);
    EXPECT_EQ(buffer, lines.substr(0, 1000));
}

TEST(File, AnsiPathIsUtf8OnDisk) {
    TestEnvironment env;
    File file;
    ASSERT_TRUE(file.Open(String(env.Path("")) + "a\xE7\xE3o.dat", kReadWriteCreate));
    file.Write("x", 1);
    file.Close();
    EXPECT_EQ(ReadFile(env.Path("ação.dat")), "x");
}

TEST(File, StatusGivesSizeTimeAndReadOnlyAttribute) {
    TestEnvironment env;
    WriteFile(env.Path("a.dat"), "12345");
    const struct timespec times[2] = {{1'000'000'000, 0}, {1'234'567'890, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, env.Path("a.dat").c_str(), times, 0), 0);
    FileStatus status;
    ASSERT_TRUE(File::GetStatus(env.Path("a.dat"), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_EQ(status.m_mtime, 1'234'567'890);
    EXPECT_EQ(status.m_attribute & FileStatus::readOnly, 0);
    EXPECT_EQ(status.m_attribute & FileStatus::directory, 0);

    // Read-only means no write bit for anybody; one write bit is enough to be writable.
    struct ModeCase {
        mode_t mode;
        bool readOnly;
    };
    for (const ModeCase& c : {ModeCase{0444, true}, ModeCase{0400, true}, ModeCase{0000, true}, ModeCase{0200, false},
                              ModeCase{0464, false}}) {
        ASSERT_EQ(::chmod(env.Path("a.dat").c_str(), c.mode), 0);
        ASSERT_TRUE(File::GetStatus(env.Path("a.dat"), status));
        EXPECT_EQ((status.m_attribute & FileStatus::readOnly) != 0, c.readOnly) << std::oct << c.mode;
    }

    ASSERT_TRUE(File::GetStatus(env.Path(""), status));
    EXPECT_NE(status.m_attribute & FileStatus::directory, 0);
    EXPECT_FALSE(File::GetStatus(env.Path("missing"), status));
    EXPECT_EQ(status.m_mtime, 0);  // a missing file reads as time 0
}

TEST(File, RenameAndRemoveThrowByValueWithCauseAndName) {
    TestEnvironment env;
    WriteFile(env.Path("a.dat"), "a");
    WriteFile(env.Path("b.dat"), "b");
    auto thrown = Thrown([&] { File::Rename(env.Path("a.dat"), env.Path("b.dat")); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_lOsError, static_cast<long>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(thrown->m_strFileName, String(env.Path("a.dat")));
    EXPECT_EQ(ReadFile(env.Path("b.dat")), "b");

    File::Rename(env.Path("a.dat"), env.Path("c.dat"));
    EXPECT_EQ(ReadFile(env.Path("c.dat")), "a");
    File::Remove(env.Path("c.dat"));
    thrown = Thrown([&] { File::Remove(env.Path("c.dat")); });
    ASSERT_TRUE(thrown);
    EXPECT_EQ(thrown->m_cause, FileException::fileNotFound);
    EXPECT_EQ(thrown->m_lOsError, static_cast<long>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
}  // namespace platform
