#include "util/file/zt_folder.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;
namespace fs = std::filesystem;

TEST(ZTFolder, CriaCaminhoTakesTheLastComponentAsAFileName) {
    TestEnvironment env;
    EXPECT_TRUE(ZTCriaCaminho(env.Path("a/b/c.txt").c_str()));
    EXPECT_TRUE(fs::is_directory(env.Path("a/b")));
    EXPECT_FALSE(fs::exists(env.Path("a/b/c.txt")));
    EXPECT_TRUE(ZTCriaCaminho(env.Path("a/b/d/").c_str()));
    EXPECT_TRUE(fs::is_directory(env.Path("a/b/d")));
    WriteFile(env.Path("plain"), "x");
    EXPECT_FALSE(ZTCriaCaminho(env.Path("plain/sub/").c_str()));
    EXPECT_FALSE(ZTCriaCaminho(nullptr));
}

TEST(ZTFolder, ApagaDiretorioDeletesTheWholeTree) {
    TestEnvironment env;
    WriteFile(env.Path("tree/a.txt"), "a");
    WriteFile(env.Path("tree/.hidden"), "h");
    WriteFile(env.Path("tree/sub/b.txt"), "b");
    WriteFile(env.Path("tree/sub/deeper/c.txt"), "c");
    fs::create_directory(env.Path("tree/empty"));
    EXPECT_EQ(ZTApagaDiretorio(env.Path("tree").c_str()), platform::S_OK);
    EXPECT_FALSE(fs::exists(env.Path("tree")));
}

// A link inside the tree to a folder outside it must go, never what it points to.
TEST(ZTFolder, ApagaDiretorioDoesNotFollowLinks) {
    TestEnvironment env;
    WriteFile(env.Path("outside/keep.txt"), "keep");
    WriteFile(env.Path("tree/a.txt"), "a");
    fs::create_directory_symlink(env.Path("outside"), env.Path("tree/link"));
    EXPECT_EQ(ZTApagaDiretorio(env.Path("tree/").c_str()), platform::S_OK);
    EXPECT_FALSE(fs::exists(env.Path("tree")));
    EXPECT_EQ(ReadFile(env.Path("outside/keep.txt")), "keep");
}

TEST(ZTFolder, ApagaDiretorioReportsWin32ErrorsAsHResults) {
    TestEnvironment env;
    WriteFile(env.Path("plain"), "x");
    EXPECT_EQ(ZTApagaDiretorio(env.Path("missing").c_str()), platform::MakeHResult(0x80070003));
    EXPECT_EQ(ZTApagaDiretorio(env.Path("plain").c_str()), platform::MakeHResult(0x80070003));
    EXPECT_TRUE(fs::exists(env.Path("plain")));
}

// A file that cannot be deleted stops the walk with its error; the rest stays as it was.
TEST(ZTFolder, ApagaDiretorioStopsAtAnUndeletableFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: permission bits do not apply";
    TestEnvironment env;
    WriteFile(env.Path("tree/locked/a.txt"), "a");
    ASSERT_EQ(::chmod(env.Path("tree/locked").c_str(), 0555), 0);
    EXPECT_EQ(ZTApagaDiretorio(env.Path("tree").c_str()), platform::MakeHResult(0x80070005));
    EXPECT_TRUE(fs::exists(env.Path("tree/locked/a.txt")));
    ::chmod(env.Path("tree/locked").c_str(), 0755);
}

}  // namespace
