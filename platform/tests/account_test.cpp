#include "platform/system/account.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

namespace platform {
namespace {

TEST(Account, ProcessAccountIsRecognisedByName) {
    String name;
    ASSERT_EQ(ProcessAccountName(name), ERROR_SUCCESS);
    ASSERT_FALSE(name.IsEmpty());
    bool isProcess = false;
    ASSERT_EQ(IsProcessAccount(name, isProcess), ERROR_SUCCESS);
    EXPECT_TRUE(isProcess);
}

TEST(Account, AnotherAccountIsNotTheProcess) {
    // Every system has root; when the test itself runs as root, "nobody" is the other account.
    const char* other = ::geteuid() == 0 ? "nobody" : "root";
    if (::getpwnam(other) == nullptr) GTEST_SKIP() << "no account " << other;
    bool isProcess = true;
    ASSERT_EQ(IsProcessAccount(other, isProcess), ERROR_SUCCESS);
    EXPECT_FALSE(isProcess);
}

TEST(Account, UnknownOrMalformedNamesAreNotAccounts) {
    bool isProcess = true;
    EXPECT_EQ(IsProcessAccount("kelvo-no-such-account-7", isProcess), ERROR_NONE_MAPPED);
    EXPECT_FALSE(isProcess);
    EXPECT_EQ(IsProcessAccount("", isProcess), ERROR_INVALID_PARAMETER);
    // A NUL must not cut "root\0x" down to an account that exists.
    EXPECT_EQ(IsProcessAccount(String(std::string("root\0x", 6)), isProcess), ERROR_INVALID_PARAMETER);
}

}  // namespace
}  // namespace platform
