#include "platform/file/file.h"
#include "platform/file/file_operations.h"

#include "platform/tests/support/test_environment.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace platform {
namespace {

using kelvo::testing::ReadFile;
using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;

TEST(FileOperations, RenameNeverReplacesAnExistingName) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    WriteFile(env.Path("b.txt"), "b");
    std::filesystem::create_directory(env.Path("folder"));
    EXPECT_EQ(RenameFile(env.Path("a.txt"), env.Path("b.txt")).error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(RenameFile(env.Path("a.txt"), env.Path("folder")).error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(ReadFile(env.Path("a.txt")), "a");
    EXPECT_EQ(ReadFile(env.Path("b.txt")), "b");
}

TEST(FileOperations, RenameMovesFilesAndFolders) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    WriteFile(env.Path("dir/inner.txt"), "i");
    EXPECT_FALSE(RenameFile(env.Path("a.txt"), env.Path("dir/moved.txt")).Failed());
    EXPECT_FALSE(std::filesystem::exists(env.Path("a.txt")));
    EXPECT_EQ(ReadFile(env.Path("dir/moved.txt")), "a");
    EXPECT_FALSE(RenameFile(env.Path("dir"), env.Path("renamed")).Failed());
    EXPECT_EQ(ReadFile(env.Path("renamed/inner.txt")), "i");
}

// Which name is missing decides between "file not found" and "path not found".
TEST(FileOperations, RenameReportsTheMissingPart) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    EXPECT_EQ(RenameFile(env.Path("none.txt"), env.Path("b.txt")),
              (FileError{FileException::fileNotFound, ERROR_FILE_NOT_FOUND}));
    EXPECT_EQ(RenameFile(env.Path("nodir/none.txt"), env.Path("b.txt")).error, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(RenameFile(env.Path("a.txt"), env.Path("nodir/b.txt")).error, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(ReadFile(env.Path("a.txt")), "a");
}

TEST(FileOperations, CopyHonoursFailIfExistsAndKeepsTheWriteTime) {
    TestEnvironment env;
    WriteFile(env.Path("from.txt"), "new content");
    WriteFile(env.Path("to.txt"), "old");
    const struct timespec times[2] = {{1'000'000'000, 0}, {1'111'111'111, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, env.Path("from.txt").c_str(), times, 0), 0);

    EXPECT_EQ(CopyFile(env.Path("from.txt"), env.Path("to.txt"), true).error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(ReadFile(env.Path("to.txt")), "old");

    EXPECT_FALSE(CopyFile(env.Path("from.txt"), env.Path("to.txt"), false).Failed());
    EXPECT_EQ(ReadFile(env.Path("to.txt")), "new content");
    EXPECT_FALSE(CopyFile(env.Path("from.txt"), env.Path("fresh.txt"), true).Failed());
    FileStatus status;
    ASSERT_TRUE(File::GetStatus(env.Path("fresh.txt"), status));
    EXPECT_EQ(status.m_mtime, 1'111'111'111);
    EXPECT_EQ(ReadFile(env.Path("from.txt")), "new content");
}

// A file being written, or a copy onto the source itself, must not be copied half-way or emptied.
TEST(FileOperations, CopyRespectsShareModes) {
    TestEnvironment env;
    WriteFile(env.Path("busy.txt"), "busy");
    {
        File writer;
        ASSERT_TRUE(writer.Open(env.Path("busy.txt"), File::modeReadWrite | File::shareDenyWrite));
        const FileError copied = CopyFile(env.Path("busy.txt"), env.Path("copy.txt"), false);
        EXPECT_EQ(copied, (FileError{FileException::sharingViolation, ERROR_SHARING_VIOLATION}));
        EXPECT_FALSE(std::filesystem::exists(env.Path("copy.txt")));
    }
    EXPECT_EQ(CopyFile(env.Path("busy.txt"), env.Path("busy.txt"), false).error, ERROR_SHARING_VIOLATION);
    EXPECT_EQ(ReadFile(env.Path("busy.txt")), "busy");
}

TEST(FileOperations, CopyOfAMissingSourceOrIntoAMissingFolderFails) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    EXPECT_EQ(CopyFile(env.Path("none.txt"), env.Path("b.txt"), false).error, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(CopyFile(env.Path("a.txt"), env.Path("nodir/b.txt"), false).error, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(CopyFile(env.Path("a.txt"), env.Path("nodir/b.txt"), true).error, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(CopyFile(env.Path(""), env.Path("b.txt"), false).error, ERROR_ACCESS_DENIED);
}

TEST(FileOperations, DeleteRemovesFilesOnly) {
    TestEnvironment env;
    WriteFile(env.Path("a.txt"), "a");
    std::filesystem::create_directory(env.Path("folder"));
    EXPECT_FALSE(DeleteFile(env.Path("a.txt")).Failed());
    EXPECT_FALSE(std::filesystem::exists(env.Path("a.txt")));
    EXPECT_EQ(DeleteFile(env.Path("a.txt")).error, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(DeleteFile(env.Path("nodir/a.txt")).error, ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(DeleteFile(env.Path("folder")).error, ERROR_ACCESS_DENIED);
    EXPECT_TRUE(std::filesystem::is_directory(env.Path("folder")));
}

}  // namespace
}  // namespace platform
