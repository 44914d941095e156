#include "util/file/zt_file_probe.h"

#include "platform/file/file.h"
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

TEST(ZTFileProbe, ExisteCaminhoSeesFilesAndFolders) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    EXPECT_TRUE(ZTExisteCaminho(env.Path("a.txt").c_str()));
    EXPECT_TRUE(ZTExisteCaminho(env.Path("").c_str()));
    EXPECT_FALSE(ZTExisteCaminho(env.Path("none.txt").c_str()));
    EXPECT_FALSE(ZTExisteCaminho(""));
    EXPECT_FALSE(ZTExisteCaminho(nullptr));

    // A file held exclusively cannot be opened for reading, as on the original platform.
    platform::File holder;
    ASSERT_TRUE(holder.Open(env.Path("a.txt"), platform::File::modeReadWrite | platform::File::shareExclusive));
    EXPECT_FALSE(ZTExisteCaminho(env.Path("a.txt").c_str()));
    EXPECT_TRUE(ZTArquivoPresente(env.Path("a.txt").c_str()));  // busy, but there
}

TEST(ZTFileProbe, ArquivoPresenteIsFalseOnlyForAMissingFile) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    EXPECT_TRUE(ZTArquivoPresente(env.Path("a.txt").c_str()));
    EXPECT_TRUE(ZTArquivoPresente(env.Path("").c_str()));  // a folder fails with access denied
    EXPECT_FALSE(ZTArquivoPresente(env.Path("none.txt").c_str()));
    // A missing folder means a missing file too, not a present one.
    EXPECT_FALSE(ZTArquivoPresente(env.Path("nodir/none.txt").c_str()));
    EXPECT_FALSE(fs::exists(env.Path("none.txt")));
}

TEST(ZTFileProbe, PodeGravarInAFolderLeavesNoProbeBehind) {
    TestEnvironment env;
    EXPECT_TRUE(ZTPodeGravar(env.Path("").c_str()));
    EXPECT_TRUE(ZTPodeGravar(env.Folder().c_str()));
    EXPECT_FALSE(fs::exists(env.Path("DF0001.tmp")));
}

TEST(ZTFileProbe, PodeGravarKeepsAnExistingProbeFile) {
    TestEnvironment env;
    WriteFile(env.Path("DF0001.tmp"), "mine");
    EXPECT_TRUE(ZTPodeGravar(env.Folder().c_str()));
    EXPECT_EQ(ReadFile(env.Path("DF0001.tmp")), "mine");
}

// An existing writable file is writable: probing below it (file/DF0001.tmp) would always fail.
TEST(ZTFileProbe, PodeGravarOfAnExistingFileProbesTheFileItself) {
    TestEnvironment env;
    WriteFile(env.Path("doc.txt"), "content");
    EXPECT_TRUE(ZTPodeGravar(env.Path("doc.txt").c_str()));
    EXPECT_EQ(ReadFile(env.Path("doc.txt")), "content");
    EXPECT_FALSE(fs::exists(env.Path("doc.txt/DF0001.tmp")));
}

TEST(ZTFileProbe, PodeGravarOfAMissingPathIsFalseAndCreatesNothing) {
    TestEnvironment env;
    EXPECT_FALSE(ZTPodeGravar(env.Path("none.txt").c_str()));
    EXPECT_FALSE(ZTPodeGravar(env.Path("nodir/none.txt").c_str()));
    EXPECT_FALSE(ZTPodeGravar(""));
    EXPECT_FALSE(ZTPodeGravar(nullptr));
    EXPECT_FALSE(fs::exists(env.Path("none.txt")));
    EXPECT_FALSE(fs::exists(env.Path("nodir")));
}

TEST(ZTFileProbe, PodeGravarRespectsPermissions) {
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: permission bits do not apply";
    TestEnvironment env;
    WriteFile(env.Path("ro/doc.txt"), "content");
    ASSERT_EQ(::chmod(env.Path("ro/doc.txt").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(env.Path("ro").c_str(), 0555), 0);
    EXPECT_FALSE(ZTPodeGravar(env.Path("ro").c_str()));
    EXPECT_FALSE(ZTPodeGravar(env.Path("ro/doc.txt").c_str()));
    ::chmod(env.Path("ro").c_str(), 0755);
}

TEST(ZTFileProbe, MoveArquivoCopiesThenDeletesTheSource) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    EXPECT_TRUE(ZTMoveArquivo(env.Path("a.txt").c_str(), env.Path("b.txt").c_str(), true));
    EXPECT_FALSE(fs::exists(env.Path("a.txt")));
    EXPECT_EQ(ReadFile(env.Path("b.txt")), "a");

    WriteFile(env.Path("c.txt"), "c");
    EXPECT_FALSE(ZTMoveArquivo(env.Path("c.txt").c_str(), env.Path("b.txt").c_str(), true));
    EXPECT_EQ(ReadFile(env.Path("c.txt")), "c");
    EXPECT_EQ(ReadFile(env.Path("b.txt")), "a");

    EXPECT_TRUE(ZTMoveArquivo(env.Path("c.txt").c_str(), env.Path("b.txt").c_str(), false));
    EXPECT_FALSE(fs::exists(env.Path("c.txt")));
    EXPECT_EQ(ReadFile(env.Path("b.txt")), "c");

    EXPECT_FALSE(ZTMoveArquivo(env.Path("none.txt").c_str(), env.Path("d.txt").c_str(), false));
    EXPECT_FALSE(fs::exists(env.Path("d.txt")));
}

// Moving a file onto itself must never end with the only copy deleted.
TEST(ZTFileProbe, MoveArquivoOntoItselfKeepsTheFile) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    EXPECT_FALSE(ZTMoveArquivo(env.Path("a.txt").c_str(), env.Path("a.txt").c_str(), false));
    EXPECT_EQ(ReadFile(env.Path("a.txt")), "a");
}

}  // namespace
