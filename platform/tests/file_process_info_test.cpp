#include "platform/system/process_info.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <filesystem>

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
