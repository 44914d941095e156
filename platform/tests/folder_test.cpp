#include "platform/file/folder.h"
#include "platform/file/folder_list.h"

#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace platform {
namespace {

using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;
namespace fs = std::filesystem;

TEST(Folder, CreateMakesOneFolderAndReportsExistingOnes) {
    TestEnvironment env;
    EXPECT_FALSE(CreateFolder(env.Path("one")).Failed());
    EXPECT_TRUE(fs::is_directory(env.Path("one")));
    // Callers accept "already exists" as success, so it must be told apart from other failures.
    EXPECT_EQ(CreateFolder(env.Path("one")).error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(CreateFolder(env.Path("none/two")).error, ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(fs::exists(env.Path("none")));
}

TEST(Folder, CreatePathMakesEveryFolderBeforeTheLastSlash) {
    TestEnvironment env;
    EXPECT_FALSE(CreateFolderPath(env.Path("a/b/c/file.txt")).Failed());
    EXPECT_TRUE(fs::is_directory(env.Path("a/b/c")));
    EXPECT_FALSE(fs::exists(env.Path("a/b/c/file.txt")));
    EXPECT_FALSE(CreateFolderPath(env.Path("x//y/")).Failed());
    EXPECT_TRUE(fs::is_directory(env.Path("x/y")));
    EXPECT_FALSE(CreateFolderPath(env.Path("a/b/c/")).Failed());  // all there already

    WriteFile(env.Path("plain"), "x");
    EXPECT_EQ(CreateFolderPath(env.Path("plain/sub/")).error, ERROR_PATH_NOT_FOUND);
}

TEST(Folder, RemoveTakesOnlyEmptyFolders) {
    TestEnvironment env;
    WriteFile(env.Path("full/a.txt"), "a");
    fs::create_directory(env.Path("empty"));
    EXPECT_EQ(RemoveFolder(env.Path("full")).error, ERROR_DIR_NOT_EMPTY);
    EXPECT_TRUE(fs::exists(env.Path("full/a.txt")));
    EXPECT_FALSE(RemoveFolder(env.Path("empty")).Failed());
    EXPECT_FALSE(fs::exists(env.Path("empty")));
    EXPECT_EQ(RemoveFolder(env.Path("empty")).error, ERROR_FILE_NOT_FOUND);
}

TEST(FolderList, EntriesCarryNameKindAndHiddenFlag) {
    TestEnvironment env;
    WriteFile(env.Path("list/file.txt"), "x");
    WriteFile(env.Path("list/.hidden"), "x");
    WriteFile(env.Path("list/sub/inner.txt"), "x");
    WriteFile(env.Path("list/ação.txt"), "x");
    fs::create_directory_symlink(env.Path("list/sub"), env.Path("list/link"));

    std::vector<FolderEntry> entries;
    ASSERT_FALSE(ListFolder(env.Path("list"), entries).Failed());
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), 5u);
    struct Expected {
        const char* name;
        bool isFolder;
        bool hidden;
    };
    // In byte order. A link to a folder is not a folder: a tree walk that deletes must not follow it.
    const Expected expected[] = {
        {".hidden", false, true}, {"a\xE7\xE3o.txt", false, false}, {"file.txt", false, false},
        {"link", false, false},   {"sub", true, false},
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, expected[i].name);
        EXPECT_EQ(entries[i].isFolder, expected[i].isFolder) << expected[i].name;
        EXPECT_EQ(entries[i].hidden, expected[i].hidden) << expected[i].name;
    }
}

TEST(FolderList, MissingFolderOrAFileIsPathNotFound) {
    TestEnvironment env;
    WriteFile(env.Path("plain"), "x");
    std::vector<FolderEntry> entries{{"stale", false, false}};
    EXPECT_EQ(ListFolder(env.Path("none"), entries).error, ERROR_PATH_NOT_FOUND);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(ListFolder(env.Path("plain"), entries).error, ERROR_PATH_NOT_FOUND);
}

}  // namespace
}  // namespace platform
