#include "platform/file/file.h"

#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/file_in_child.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace platform {
namespace {

using kelvo::testing::OpenInChild;
using kelvo::testing::Pipe;
using kelvo::testing::ProcessBarrier;
using kelvo::testing::Reap;
using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

// The record-file layer's three modes and the other combinations callers use.
constexpr unsigned kL = File::modeRead | File::shareDenyNone | File::modeNoTruncate;        // 0x2040
constexpr unsigned kG = File::modeReadWrite | File::shareDenyWrite | File::modeNoTruncate;  // 0x2022
constexpr unsigned kC = File::modeReadWrite | File::shareDenyWrite | File::modeCreate;     // 0x1022
constexpr unsigned kReadCompat = File::modeRead;
constexpr unsigned kReadDenyWrite = File::modeRead | File::shareDenyWrite;
constexpr unsigned kReadDenyRead = File::modeRead | File::shareDenyRead;
constexpr unsigned kWriteDenyNone = File::modeWrite | File::shareDenyNone;
constexpr unsigned kWriteDenyRead = File::modeWrite | File::shareDenyRead;
constexpr unsigned kBothDenyNone = File::modeReadWrite | File::shareDenyNone;
constexpr unsigned kExclusive = File::modeReadWrite | File::shareExclusive;

struct ShareCase {
    unsigned first;
    unsigned second;
    bool secondOpens;
    const char* what;
};

constexpr ShareCase kShareCases[] = {
    {kG, kG, false, "deny-write writers exclude each other"},
    {kG, kC, false, "a creating writer is a deny-write writer too"},
    {kL, kG, true, "a deny-none reader lets a deny-write writer in"},
    {kG, kL, true, "a deny-write writer lets a deny-none reader in"},
    {kL, kL, true, "deny-none readers coexist"},
    {kReadDenyWrite, kReadDenyWrite, true, "deny-write readers coexist"},
    {kReadDenyWrite, kG, false, "a deny-write reader keeps writers out"},
    {kG, kReadDenyWrite, false, "a deny-write reader cannot deny a present writer"},
    {kExclusive, kL, false, "an exclusive opener keeps readers out"},
    {kL, kExclusive, false, "an exclusive opener cannot exclude a present reader"},
    {kReadCompat, kReadCompat, false, "compatibility mode is exclusive"},
    {kReadDenyRead, kL, false, "deny-read keeps readers out"},
    {kL, kReadDenyRead, false, "deny-read cannot deny a present reader"},
    {kReadDenyRead, kWriteDenyNone, true, "deny-read lets a writer in"},
    {kWriteDenyNone, kWriteDenyNone, true, "write-only deny-none writers coexist"},
    {kWriteDenyNone, kReadDenyWrite, false, "a write-only writer is seen by a deny-write reader"},
    {kReadDenyWrite, kWriteDenyNone, false, "a deny-write reader keeps write-only writers out"},
    {kWriteDenyRead, kL, false, "a write-only opener can deny reading"},
    {kL, kWriteDenyRead, false, "a write-only opener sees a present reader"},
    {kWriteDenyNone, kExclusive, false, "an exclusive opener sees a write-only writer"},
    {kBothDenyNone, kWriteDenyNone, true, "deny-none openers of every access coexist"},
};

TEST(FileShare, ModesBetweenTwoOpensOfOneProcess) {
    TestEnvironment env;
    const String path = env.Path("shared.dat");
    WriteFile(env.Path("shared.dat"), "data");
    for (const ShareCase& c : kShareCases) {
        File first;
        File second;
        ASSERT_TRUE(first.Open(path, c.first)) << c.what;
        FileException error;
        EXPECT_EQ(second.Open(path, c.second, &error), c.secondOpens) << c.what;
        if (!c.secondOpens) {
            EXPECT_EQ(error.m_cause, FileException::sharingViolation) << c.what;
            EXPECT_EQ(error.m_lOsError, static_cast<long>(ERROR_SHARING_VIOLATION)) << c.what;
            EXPECT_EQ(error.m_strFileName, path) << c.what;
            // Closing the first open lifts the conflict: nothing of the failed attempt remains.
            first.Close();
            EXPECT_TRUE(second.Open(path, c.second)) << c.what;
        }
    }
}

// A create-and-truncate open that loses the share check must leave the holder's data alone.
TEST(FileShare, RefusedCreateDoesNotTruncate) {
    TestEnvironment env;
    WriteFile(env.Path("shared.dat"), "precious");
    File holder;
    ASSERT_TRUE(holder.Open(env.Path("shared.dat"), kG));
    File creator;
    FileException error;
    EXPECT_FALSE(creator.Open(env.Path("shared.dat"), kC, &error));
    EXPECT_EQ(error.m_cause, FileException::sharingViolation);
    EXPECT_EQ(ReadFile(env.Path("shared.dat")), "precious");
}

TEST(FileShare, DestroyingAFileReleasesItsShareMode) {
    TestEnvironment env;
    WriteFile(env.Path("shared.dat"), "x");
    {
        File holder;
        ASSERT_TRUE(holder.Open(env.Path("shared.dat"), kExclusive));
    }
    File next;
    EXPECT_TRUE(next.Open(env.Path("shared.dat"), kExclusive));
}

TEST(FileShare, ModesHoldAcrossProcesses) {
    TestEnvironment env;
    const String path = env.Path("shared.dat");
    WriteFile(env.Path("shared.dat"), "x");
    Pipe report;
    Pipe release;
    const pid_t child = OpenInChild(path, kG, report, release);
    ASSERT_GT(child, 0);
    ASSERT_EQ(report.Receive(), 'y');

    File writer;
    FileException error;
    EXPECT_FALSE(writer.Open(path, kG, &error));
    EXPECT_EQ(error.m_lOsError, static_cast<long>(ERROR_SHARING_VIOLATION));
    File reader;
    EXPECT_TRUE(reader.Open(path, kL));

    release.Send('x');
    Reap(child);
    EXPECT_TRUE(writer.Open(path, kG));  // the child's exit released its open
}

// Many processes opening at the same moment: the check and the publication of a share mode are
// one step, so at most one exclusive opener can win, and a writer (serialised by the gate) wins
// exactly once.
TEST(FileShare, SimultaneousExclusiveOpenersNeverBothWin) {
    TestEnvironment env;
    const String path = env.Path("shared.dat");
    WriteFile(env.Path("shared.dat"), "x");
    struct RaceCase {
        unsigned flags;
        int minimumWinners;
    };
    for (const RaceCase& race : {RaceCase{kExclusive, 1}, RaceCase{kReadCompat, 0}}) {
        constexpr int kChildren = 8;
        Pipe report;
        Pipe release;
        ProcessBarrier start(kChildren);
        std::vector<pid_t> children;
        for (int i = 0; i < kChildren; ++i) children.push_back(OpenInChild(path, race.flags, report, release, &start));
        EXPECT_TRUE(start.ReleaseAll());
        int winners = 0;
        for (int i = 0; i < kChildren; ++i) winners += report.Receive() == 'y' ? 1 : 0;
        EXPECT_LE(winners, 1) << std::hex << race.flags;
        EXPECT_GE(winners, race.minimumWinners) << std::hex << race.flags;
        for (int i = 0; i < kChildren; ++i) release.Send('x');
        for (pid_t child : children) Reap(child);
    }
}

}  // namespace
}  // namespace platform
