#include "platform/system/process_info.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <filesystem>
#include <memory>

namespace platform {
namespace {

TEST(ProcessInfo, ModulePathNamesThisTestProgram) {
    String path;
    ASSERT_EQ(ModulePath(path), ERROR_SUCCESS);
    const std::filesystem::path module(path.str());
    EXPECT_TRUE(module.is_absolute());
    EXPECT_EQ(module.filename(), "platform_file_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(module));
}

// Guards against reading the wrong field (pages instead of bytes, or the whole address space):
// memory the program touches shows up in the resident size.
TEST(ProcessInfo, ResidentMemoryGrowsWithTouchedMemory) {
    std::uint64_t before = 0;
    ASSERT_EQ(ResidentMemory(before), ERROR_SUCCESS);
    EXPECT_GT(before, 0u);
    constexpr std::size_t kBlock = 64u << 20;
    auto block = std::make_unique<volatile char[]>(kBlock);
    for (std::size_t i = 0; i < kBlock; i += 4096) block[i] = 1;
    std::uint64_t after = 0;
    ASSERT_EQ(ResidentMemory(after), ERROR_SUCCESS);
    EXPECT_GE(after, before + kBlock / 2);
}

TEST(ProcessInfo, HostNameIsTheMachinesNodeName) {
    struct utsname names {};
    ASSERT_EQ(::uname(&names), 0);
    String name;
    ASSERT_EQ(HostName(name), ERROR_SUCCESS);
    EXPECT_FALSE(name.IsEmpty());
    EXPECT_EQ(name, names.nodename);
}

}  // namespace
}  // namespace platform
