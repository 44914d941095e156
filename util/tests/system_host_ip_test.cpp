#include "platform/system/process_info.h"
#include "util/system/zt_host_ip.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct JoinCase {
    std::vector<platform::Ipv4Address> addresses;
    const char* text;
};

// Two addresses must be joined by exactly two blanks, a comma and two blanks; bytes above 127
// must print as themselves, not as negative numbers.
TEST(ZTTextoEnderecosIP, JoinsDottedFormsWithTheSeparator) {
    const JoinCase cases[] = {
        {{}, ""},
        {{{10, 0, 0, 1}}, "10.0.0.1"},
        {{{192, 168, 0, 1}, {10, 0, 0, 2}}, "192.168.0.1  ,  10.0.0.2"},
        {{{200, 200, 200, 200}}, "200.200.200.200"},
        {{{255, 128, 127, 0}, {1, 2, 3, 4}, {0, 0, 0, 0}}, "255.128.127.0  ,  1.2.3.4  ,  0.0.0.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(ZTTextoEnderecosIP(c.addresses), c.text) << c.text;
}

// The text must be this machine's own addresses under its own name, and the name handed back.
TEST(ZTGetHostIP, GivesTheAddressesOfThisMachinesName) {
    platform::String name;
    ASSERT_EQ(platform::HostName(name), platform::ERROR_SUCCESS);
    std::vector<platform::Ipv4Address> addresses;
    if (platform::HostAddresses(name, addresses) != platform::ERROR_SUCCESS) GTEST_SKIP() << "this machine's name does not resolve";
    CZTString hostName = "antes";
    EXPECT_EQ(ZTGetHostIP(&hostName), ZTTextoEnderecosIP(addresses));
    EXPECT_EQ(hostName, name);
    EXPECT_FALSE(ZTGetHostIP().IsEmpty());
}

}  // namespace
