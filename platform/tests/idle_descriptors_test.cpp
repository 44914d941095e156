#include "platform/file/idle_descriptors.h"

#include "platform/file/file.h"
#include "platform/file/file_operations.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/file_in_child.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace platform {
namespace {

using kelvo::testing::OpenInChild;
using kelvo::testing::Pipe;
using kelvo::testing::Reap;
using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WaitForChild;
using kelvo::testing::WriteFile;

constexpr unsigned kReuse = File::reuseIdleDescriptor;
// The record-file layer's modes, as it opens them.
constexpr unsigned kL = File::modeRead | File::shareDenyNone | File::modeNoTruncate | kReuse;
constexpr unsigned kG = File::modeReadWrite | File::shareDenyWrite | File::modeNoTruncate | kReuse;
constexpr unsigned kC = File::modeReadWrite | File::shareDenyWrite | File::modeCreate | kReuse;
// What another process may ask for.
constexpr unsigned kPlainG = kG & ~kReuse;
constexpr unsigned kPlainL = kL & ~kReuse;
constexpr unsigned kExclusive = File::modeReadWrite | File::shareExclusive;

class IdleDescriptors : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(StartKeepingIdleDescriptors()); }
    void TearDown() override { StopKeepingIdleDescriptors(); }

    // Opens `name` with `flags` and closes it again, leaving its descriptor idle where it may.
    void OpenAndClose(const std::string& name, unsigned flags) {
        File file;
        ASSERT_TRUE(file.Open(Path(name), flags)) << name;
        file.Close();
    }
    [[nodiscard]] String Path(const std::string& name) const { return String(env.Path(name).c_str()); }

    TestEnvironment env;
};

std::string ReadThrough(File& file) {
    char buffer[64] = {};
    const unsigned got = file.ReadAt(0, buffer, sizeof buffer);
    return std::string(buffer, got);
}

// Runs `body` in a forked child; its exit code (0 when `body` answered true).
int RunInChild(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body() ? 0 : 1);
    return WaitForChild(child);
}

TEST_F(IdleDescriptors, ARecordFileStaysOpenForItsNextOpenWithTheSameFlags) {
    struct KeepCase {
        unsigned flags;
        bool kept;
        const char* what;
    };
    const KeepCase cases[] = {
        {kL, true, "a reader"},
        {kG, true, "a writer"},
        {kPlainG, false, "a file not opened for reuse"},
        {kC, false, "an open that creates and empties"},
    };
    for (const KeepCase& c : cases) {
        WriteFile(env.Path("kept.dat"), "data");
        OpenAndClose("kept.dat", c.flags);
        EXPECT_EQ(IdleDescriptorCount(), c.kept ? 1u : 0u) << c.what;
        File again;
        ASSERT_TRUE(again.Open(Path("kept.dat"), c.flags & ~File::modeCreate)) << c.what;
        EXPECT_EQ(IdleDescriptorCount(), 0u) << c.what << ": the next open takes it";
        EXPECT_EQ(ReadThrough(again), c.flags == kC ? "" : "data") << c.what;
        again.Close();
        StopKeepingIdleDescriptors();
        ASSERT_TRUE(StartKeepingIdleDescriptors());
    }
}

// An idle descriptor holds its share marks: another process's open must get the file anyway, at
// once, as if it had been closed, whatever the modes.
TEST_F(IdleDescriptors, AnotherProcessGetsAFileThatIsIdleHere) {
    struct OtherCase {
        unsigned idleFlags;
        unsigned otherFlags;
        const char* what;
    };
    const OtherCase cases[] = {
        {kG, kPlainG, "a writer where a writer was"},
        {kG, kPlainL, "a reader where a writer was"},
        {kL, kPlainG, "a writer where a reader was"},
        {kL, kExclusive, "an exclusive opener where a reader was"},
    };
    for (const OtherCase& c : cases) {
        const std::string name = std::string(c.what) + ".dat";  // one file each: a wanted one is not kept soon again
        WriteFile(env.Path(name), "x");
        OpenAndClose(name, c.idleFlags);
        ASSERT_EQ(IdleDescriptorCount(), 1u) << c.what;
        Pipe report;
        Pipe release;
        const pid_t child = OpenInChild(Path(name), c.otherFlags, report, release);
        EXPECT_EQ(report.Receive(), 'y') << c.what;
        EXPECT_EQ(IdleDescriptorCount(), 0u) << c.what;
        release.Send('x');
        Reap(child);
    }
    // A truncation through the path is let through the same way, and seen by the next open here.
    WriteFile(env.Path("cut.dat"), "longer");
    OpenAndClose("cut.dat", kG);
    const std::string path = env.Path("cut.dat");
    EXPECT_EQ(RunInChild([&] { return ::truncate(path.c_str(), 2) == 0; }), 0);
    File after;
    ASSERT_TRUE(after.Open(Path("cut.dat"), kG));
    EXPECT_EQ(after.GetLength(), 2u);
}

// Two processes using one file by turns: after another process wanted it, the file is closed for
// good at its next 64 closes here before it is kept again.
TEST_F(IdleDescriptors, AFileAnotherProcessWantedIsNotKeptForItsNextCloses) {
    WriteFile(env.Path("turns.dat"), "x");
    OpenAndClose("turns.dat", kG);
    const std::string path = env.Path("turns.dat");
    ASSERT_EQ(RunInChild([&] {
                  File file;
                  return file.Open(String(path.c_str()), kPlainG);
              }),
              0);
    for (int close = 1; close <= 64; ++close) {
        OpenAndClose("turns.dat", kG);
        ASSERT_EQ(IdleDescriptorCount(), 0u) << "close " << close;
    }
    OpenAndClose("turns.dat", kG);
    EXPECT_EQ(IdleDescriptorCount(), 1u);
}

// A descriptor taken back is an open file like any other: conflicting opens are refused (and do
// not wait), compatible ones get in, and it is closed for good when the other still holds the file.
TEST_F(IdleDescriptors, AFileInUseAgainMeetsOtherProcessesAsAnyOpenFile) {
    WriteFile(env.Path("shared.dat"), "x");
    OpenAndClose("shared.dat", kG);
    File inUse;
    ASSERT_TRUE(inUse.Open(Path("shared.dat"), kG));
    {
        Pipe report;
        Pipe release;
        const pid_t writer = OpenInChild(Path("shared.dat"), kPlainG, report, release);
        EXPECT_EQ(report.Receive(), 'n');
        release.Send('x');
        Reap(writer);
    }
    Pipe report;
    Pipe release;
    const pid_t reader = OpenInChild(Path("shared.dat"), kPlainL, report, release);
    EXPECT_EQ(report.Receive(), 'y');
    inUse.Write("y", 1);
    inUse.Close();
    EXPECT_EQ(IdleDescriptorCount(), 0u) << "kept while another process has the file open";
    release.Send('x');
    Reap(reader);
    EXPECT_EQ(ReadFile(env.Path("shared.dat")), "y");
}

// A kept descriptor remembers its file's length to spare asking for it; whoever else changes the
// file, through this process or another, the length asked is the file's.
TEST_F(IdleDescriptors, TheLengthAskedIsAlwaysTheFilesLength) {
    WriteFile(env.Path("sized.dat"), "abcd");
    const std::string path = env.Path("sized.dat");
    const auto appendElsewhere = [&](const char* text) {
        return RunInChild([&] {
            File other;
            if (!other.Open(String(path.c_str()), kPlainG)) return false;
            other.SeekToEnd();
            other.Write(text, static_cast<unsigned>(std::strlen(text)));
            return true;
        });
    };
    OpenAndClose("sized.dat", kG);
    {
        File own;
        ASSERT_TRUE(own.Open(Path("sized.dat"), kG));
        EXPECT_EQ(own.GetLength(), 4u);
        own.SeekToEnd();
        own.Write("ef", 2);
        EXPECT_EQ(own.GetLength(), 6u) << "its own writes";
        own.SetLength(5);
        EXPECT_EQ(own.GetLength(), 5u) << "its own cut";
    }
    {
        File again;
        ASSERT_TRUE(again.Open(Path("sized.dat"), kL));
        EXPECT_EQ(again.GetLength(), 5u) << "carried while idle";
        ASSERT_EQ(appendElsewhere("XYZ"), 0);
        EXPECT_EQ(again.GetLength(), 8u) << "another process wrote while this one had it open";
    }
    ASSERT_EQ(appendElsewhere("!"), 0);
    File later;
    ASSERT_TRUE(later.Open(Path("sized.dat"), kL));
    EXPECT_EQ(later.GetLength(), 9u) << "another process wrote while it was idle";
    const int raw = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(raw, 0);
    EXPECT_EQ(::write(raw, "?", 1), 1);
    ::close(raw);
    EXPECT_EQ(later.GetLength(), 10u) << "this process wrote past the layer";
}

// A rename over the path does not touch the idle descriptor's file: the next open must see the
// file the path names now, not write into the one that lost its name.
TEST_F(IdleDescriptors, AFileRenamedOverAnIdleOneIsOpenedAnew) {
    WriteFile(env.Path("main.dat"), "old");
    OpenAndClose("main.dat", kG);
    WriteFile(env.Path("restored.dat"), "new");
    ASSERT_EQ(std::rename(env.Path("restored.dat").c_str(), env.Path("main.dat").c_str()), 0);
    File file;
    ASSERT_TRUE(file.Open(Path("main.dat"), kG));
    EXPECT_EQ(ReadThrough(file), "new");
    file.Write("NEW", 3);
    file.Close();
    EXPECT_EQ(ReadFile(env.Path("main.dat")), "NEW");
}

// This process's own opens: another mode of the same path, a creating open, and the same file
// under another name or opened past the layer (which break our own lease) all go through at once.
TEST_F(IdleDescriptors, OwnOpensOfAnIdleFileNeverWaitOnIt) {
    WriteFile(env.Path("own.dat"), "abc");
    OpenAndClose("own.dat", kG);
    OpenAndClose("own.dat", kL);
    EXPECT_EQ(IdleDescriptorCount(), 1u) << "the reader replaced the writer";
    File creator;
    ASSERT_TRUE(creator.Open(Path("own.dat"), kC));
    EXPECT_EQ(creator.GetLength(), 0u);
    creator.Close();

    WriteFile(env.Path("aliased.dat"), "abc");
    ASSERT_EQ(::symlink(env.Path("aliased.dat").c_str(), env.Path("alias.dat").c_str()), 0);
    OpenAndClose("aliased.dat", kG);
    File alias;
    EXPECT_TRUE(alias.Open(Path("alias.dat"), kG));
    EXPECT_EQ(IdleDescriptorCount(), 0u);

    WriteFile(env.Path("raw.dat"), "abc");
    OpenAndClose("raw.dat", kG);
    const int raw = ::open(env.Path("raw.dat").c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_GE(raw, 0);
    ::close(raw);
    EXPECT_EQ(IdleDescriptorCount(), 0u);
}

TEST_F(IdleDescriptors, DeletingOrRenamingAFileClosesItsIdleDescriptor) {
    const std::function<FileError(const String&)> operations[] = {
        [](const String& path) { return DeleteFile(path); },
        [this](const String& path) { return RenameFile(path, Path("moved.dat")); },
    };
    for (const auto& operation : operations) {
        WriteFile(env.Path("gone.dat"), "x");
        std::remove(env.Path("moved.dat").c_str());
        OpenAndClose("gone.dat", kG);
        ASSERT_EQ(IdleDescriptorCount(), 1u);
        EXPECT_FALSE(operation(Path("gone.dat")).Failed());
        EXPECT_EQ(IdleDescriptorCount(), 0u);
    }
}

// A forked child shares the parent's descriptions: it must drop its copies, or a break in the
// parent would wait on the child.
TEST_F(IdleDescriptors, AForkedChildKeepsNoneOfThem) {
    WriteFile(env.Path("parent.dat"), "x");
    OpenAndClose("parent.dat", kG);
    EXPECT_EQ(RunInChild([] { return IdleDescriptorCount() == 0 && !KeepsIdleDescriptors(); }), 0);
    EXPECT_EQ(IdleDescriptorCount(), 1u) << "the parent's stays";
}

// The store is bounded: past its room the least recently used descriptor is closed, never the
// one just used.
TEST_F(IdleDescriptors, TheLeastRecentlyUsedMakesRoom) {
    constexpr int kFiles = 100;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = "many" + std::to_string(i) + ".dat";
        WriteFile(env.Path(name), "x");
        OpenAndClose(name, kL);
    }
    const std::size_t idle = IdleDescriptorCount();
    EXPECT_GT(idle, 0u);
    EXPECT_LT(idle, static_cast<std::size_t>(kFiles));
    File last;
    ASSERT_TRUE(last.Open(Path("many" + std::to_string(kFiles - 1) + ".dat"), kL));
    EXPECT_EQ(IdleDescriptorCount(), idle - 1) << "the last one used was still idle";
}

}  // namespace
}  // namespace platform
