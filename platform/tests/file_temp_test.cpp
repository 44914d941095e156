#include "platform/file/file_temp.h"

#include "platform/tests/support/test_environment.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace platform {
namespace {

using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;
namespace fs = std::filesystem;

// Sets TMPDIR for one test and puts the old value back.
class TmpDir {
public:
    explicit TmpDir(const char* value) {
        if (const char* old = std::getenv("TMPDIR")) old_ = old;
        if (value) {
            ::setenv("TMPDIR", value, 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    ~TmpDir() {
        if (old_) {
            ::setenv("TMPDIR", old_->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }

private:
    std::optional<std::string> old_;
};

TEST(FileTemp, TempFolderComesFromTmpdirAndEndsInASlash) {
    {
        TmpDir tmp("/var/tmp/k");
        EXPECT_EQ(TempFolder(), "/var/tmp/k/");
    }
    {
        TmpDir tmp("/var/tmp/k/");
        EXPECT_EQ(TempFolder(), "/var/tmp/k/");
    }
    {
        TmpDir tmp("");
        EXPECT_EQ(TempFolder(), "/tmp/");
    }
    {
        TmpDir tmp(nullptr);
        EXPECT_EQ(TempFolder(), "/tmp/");
    }
}

TEST(FileTemp, NamesAreNewEmptyFilesWithTheOriginalShape) {
    TestEnvironment env;
    std::set<std::string> names;
    for (int i = 0; i < 50; ++i) {
        String path;
        ASSERT_FALSE(CreateTempFile(env.Path("").c_str(), "ZTabc", path).Failed());
        const std::string name = fs::path(path.str()).filename().string();
        ASSERT_EQ(name.size(), 11u) << name;  // three prefix characters, four digits, ".tmp"
        EXPECT_EQ(name.substr(0, 3), "ZTa");
        EXPECT_EQ(name.find_first_not_of("0123456789ABCDEF", 3), 7u) << name;
        EXPECT_EQ(name.substr(7), ".tmp");
        EXPECT_TRUE(fs::is_regular_file(path.str()));
        EXPECT_EQ(fs::file_size(path.str()), 0u);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 50u);
}

// Every name but one is taken: the one free name must be found, and none of the others touched;
// then the folder is full.
TEST(FileTemp, NeverOverwritesAndReportsAFullFolder) {
    TestEnvironment env;
    const fs::path folder = env.Path("full");
    fs::create_directory(folder);
    char name[16];
    for (unsigned n = 1; n <= 0xFFFF; ++n) {
        if (n == 0x1234) continue;
        std::snprintf(name, sizeof name, "Q%04X.tmp", n);
        const int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << name;
        ASSERT_EQ(::write(fd, "taken", 5), 5);
        ::close(fd);
    }
    String path;
    ASSERT_FALSE(CreateTempFile(folder.string() + "/", "Q", path).Failed());
    EXPECT_EQ(path, (folder / "Q1234.tmp").string());
    EXPECT_EQ(ReadFile(folder / "Q0001.tmp"), "taken");
    EXPECT_EQ(ReadFile(folder / "QFFFF.tmp"), "taken");

    const FileError full = CreateTempFile(folder.string(), "Q", path);
    EXPECT_EQ(full.error, ERROR_FILE_EXISTS);
    EXPECT_TRUE(path.IsEmpty());
}

TEST(FileTemp, MissingFolderIsPathNotFound) {
    TestEnvironment env;
    String path;
    EXPECT_EQ(CreateTempFile(env.Path("none"), "ZT", path).error, ERROR_PATH_NOT_FOUND);
}

}  // namespace
}  // namespace platform
