#include "platform/file/folder_watch.h"

#include "platform/tests/support/child_processes.h"
#include "platform/tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace platform {
namespace {

using kelvo::testing::TestEnvironment;
using kelvo::testing::WriteFile;
namespace fs = std::filesystem;

std::vector<std::string> Arrivals(FolderWatch& watch, bool* watching) {
    std::vector<String> names;
    *watching = watch.TakeArrivals(names);
    std::vector<std::string> texts;
    for (const String& name : names) texts.push_back(name.str());
    return texts;
}

// Every way a name can come into the folder is reported, in order, also from another process; a
// name that leaves is not an arrival. A missed arrival would let a caller trust a stale listing.
TEST(FolderWatch, ReportsEveryArrivalFromAnyProcess) {
    TestEnvironment env;
    const fs::path folder = env.Path("Docs");
    fs::create_directories(folder);
    WriteFile(folder / "antes.txt", "listed before");
    FolderWatch watch;
    ASSERT_TRUE(watch.Start(env.Path("Docs")));

    WriteFile(folder / "novo.pdf", "x");
    fs::create_directory(folder / "pasta");
    WriteFile(env.Path("fora.tif"), "y");
    fs::rename(env.Path("fora.tif"), folder / "trazido.tif");
    fs::create_hard_link(folder / "novo.pdf", folder / "ligado.pdf");
    fs::rename(folder / "antes.txt", folder / "renomeado.txt");
    fs::remove(folder / "novo.pdf");
    const pid_t child = fork();
    if (child == 0) {
        WriteFile(folder / "do filho", "z");
        _exit(0);
    }
    ASSERT_EQ(kelvo::testing::WaitForChild(child), 0);

    bool watching = false;
    EXPECT_EQ(Arrivals(watch, &watching),
              (std::vector<std::string>{"novo.pdf", "pasta", "trazido.tif", "ligado.pdf", "renomeado.txt", "do filho"}));
    EXPECT_TRUE(watching);
    EXPECT_TRUE(Arrivals(watch, &watching).empty());
    EXPECT_TRUE(watching);
}

struct LostFolder {
    const char* what;
    std::function<void(const TestEnvironment&)> lose;
    bool throughLink = false;  // "Docs" is a link to the folder "A"
};

// Once the path no longer names the watched folder, the watch says so instead of reporting an
// empty folder, and it stays ended.
TEST(FolderWatch, LosingTheFolderEndsTheWatch) {
    const std::vector<LostFolder> cases = {
        {"removed", [](const TestEnvironment& env) { fs::remove_all(env.Path("Docs")); }},
        {"moved away", [](const TestEnvironment& env) { fs::rename(env.Path("Docs"), env.Path("Docs2")); }},
        {"replaced by another folder",
         [](const TestEnvironment& env) {
             fs::create_directories(env.Path("outra"));
             fs::rename(env.Path("Docs"), env.Path("velha"));
             fs::rename(env.Path("outra"), env.Path("Docs"));
         }},
        // Nothing happens to the watched folder itself: only its path leads elsewhere now.
        {"link turned to another folder",
         [](const TestEnvironment& env) {
             fs::create_directories(env.Path("B"));
             fs::create_directory_symlink(env.Path("B"), env.Path("novo"));
             fs::rename(env.Path("novo"), env.Path("Docs"));
         },
         true},
    };
    for (const LostFolder& lost : cases) {
        SCOPED_TRACE(lost.what);
        TestEnvironment env;
        if (lost.throughLink) {
            fs::create_directories(env.Path("A"));
            fs::create_directory_symlink(env.Path("A"), env.Path("Docs"));
        } else {
            fs::create_directories(env.Path("Docs"));
        }
        FolderWatch watch;
        ASSERT_TRUE(watch.Start(env.Path("Docs")));
        lost.lose(env);
        bool watching = true;
        (void)Arrivals(watch, &watching);
        EXPECT_FALSE(watching);
        (void)Arrivals(watch, &watching);
        EXPECT_FALSE(watching);
    }
}

// Only a folder can be watched.
TEST(FolderWatch, MissingFolderOrFileIsNotWatched) {
    TestEnvironment env;
    WriteFile(env.Path("arquivo"), "x");
    FolderWatch watch;
    EXPECT_FALSE(watch.Start(env.Path("nenhuma")));
    EXPECT_FALSE(watch.Start(env.Path("arquivo")));
    std::vector<String> names;
    EXPECT_FALSE(watch.TakeArrivals(names));
}

}  // namespace
}  // namespace platform
