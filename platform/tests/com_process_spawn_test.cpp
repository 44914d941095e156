#include "platform/system/process_spawn.h"
#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace platform;
using kelvo::testing::TestEnvironment;

// Command lines split at blanks; quotes group and vanish.
TEST(ComCommandLine, SplitsLikeTheOriginalPlatform) {
    struct Case {
        const char* line;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"/opt/a/server", {"/opt/a/server"}},
        {"  /opt/a/server   -x\t-y ", {"/opt/a/server", "-x", "-y"}},
        {"\"/opt/with space/server\" -Automation", {"/opt/with space/server", "-Automation"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}

// Output and errors of the command both arrive, and far more than a pipe holds does not block it.
TEST(ComRunAndCapture, CapturesBothStreamsWithoutBlocking) {
    std::string output;
    int exitCode = -1;
    ASSERT_EQ(RunAndCapture({"/bin/sh", "-c", "echo out; echo err >&2; exit 3"}, output, &exitCode), ERROR_SUCCESS);
    EXPECT_EQ(output, "out\nerr\n");
    EXPECT_EQ(exitCode, 3);

    ASSERT_EQ(RunAndCapture({"/bin/sh", "-c", "head -c 300000 /dev/zero"}, output, &exitCode, 1000), ERROR_SUCCESS);
    EXPECT_EQ(output.size(), 1000u);
    EXPECT_EQ(exitCode, 0);
}

// A program name without a folder is searched in PATH; one that is nowhere is file-not-found,
// one that may not be run is access denied.
TEST(ComRunAndCapture, ProgramLookupAndErrors) {
    TestEnvironment environment;
    const std::string script = environment.Path("tool");
    kelvo::testing::WriteFile(script, "#!/bin/sh\necho \"tool $*\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const std::string previous = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", environment.Folder().c_str(), 1);
    std::string output;
    int exitCode = -1;
    EXPECT_EQ(RunAndCapture({"tool", "a b", "c"}, output, &exitCode), ERROR_SUCCESS);
    EXPECT_EQ(output, "tool a b c\n");
    EXPECT_EQ(RunAndCapture({"no-such-tool"}, output, &exitCode), ERROR_FILE_NOT_FOUND);
    setenv("PATH", previous.c_str(), 1);

    const std::string plain = environment.Path("plain");
    kelvo::testing::WriteFile(plain, "data");
    EXPECT_EQ(RunAndCapture({plain}, output, &exitCode), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RunAndCapture({}, output, &exitCode), ERROR_INVALID_PARAMETER);
}

// A detached program runs on in a session of its own, keeps none of our descriptors, and its
// load failure is reported to the starter.
TEST(ComSpawnDetached, RunsDetachedWithoutOurDescriptors) {
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    TestEnvironment environment;
    const int opened = ::open("/dev/null", O_RDONLY);
    const int leaked = ::dup2(opened, 57);  // not close-on-exec on purpose
    ::close(opened);
    ASSERT_EQ(leaked, 57);
    const std::string record = environment.Path("record");
    const std::string command = "ls /proc/$$/fd > '" + record + ".tmp'; cut -d' ' -f6 /proc/$$/stat >> '" + record +
                                ".tmp'; mv '" + record + ".tmp' '" + record + "'";
    pid_t process = 0;
    ASSERT_EQ(SpawnDetached({"/bin/sh", "-c", command}, &process), ERROR_SUCCESS);
    EXPECT_GT(process, 0);
    EXPECT_EQ(kelvo::testing::WaitForChild(process), 0);  // adopted: this test is its reaper
    ::close(leaked);
    const std::string content = kelvo::testing::ReadFile(record);
    ASSERT_FALSE(content.empty());
    // One descriptor number per line, then its session on the last line (which may well end in 57).
    const std::size_t lastLine = content.rfind('\n', content.size() - 2) + 1;
    const std::string descriptors = "\n" + content.substr(0, lastLine);
    EXPECT_EQ(descriptors.find("\n57\n"), std::string::npos) << content;
    EXPECT_NE(std::stoi(content.substr(lastLine)), ::getsid(0)) << content;
    EXPECT_FALSE(ProcessIsRunning(process));

    EXPECT_EQ(SpawnDetached({environment.Path("missing")}, &process), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(process, 0);
}

// A running process counts as running; an ended child not yet waited for does not.
TEST(ComProcessIsRunning, EndedChildIsNotRunning) {
    EXPECT_TRUE(ProcessIsRunning(::getpid()));
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    siginfo_t ended{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOWAIT), 0);  // ended, not waited for
    EXPECT_FALSE(ProcessIsRunning(child));
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(ProcessIsRunning(0));
}

}  // namespace
