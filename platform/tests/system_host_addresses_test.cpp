#include "platform/system/host_addresses.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

// The resolver answers once per socket type; without dropping duplicates an address would be
// listed three times.
TEST(HostAddresses, LocalhostIsItsLoopbackAddressOnce) {
    std::vector<Ipv4Address> addresses;
    ASSERT_EQ(HostAddresses("localhost", addresses), ERROR_SUCCESS);
    EXPECT_EQ(std::count(addresses.begin(), addresses.end(), Ipv4Address{127, 0, 0, 1}), 1);
}

// Bytes above 127 must come through as themselves (no sign, no reordering).
TEST(HostAddresses, NumericNameGivesItsBytesInOrder) {
    std::vector<Ipv4Address> addresses;
    ASSERT_EQ(HostAddresses("200.168.0.254", addresses), ERROR_SUCCESS);
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0], (Ipv4Address{200, 168, 0, 254}));
}

// A failure must leave no addresses behind and say what went wrong.
TEST(HostAddresses, UnusableNamesFail) {
    std::vector<Ipv4Address> addresses{{1, 2, 3, 4}};
    EXPECT_EQ(HostAddresses("", addresses), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(addresses.empty());
    addresses = {{1, 2, 3, 4}};
    // A NUL would resolve "localhost" instead of the name given.
    EXPECT_EQ(HostAddresses(String(std::string("localhost\0x", 11)), addresses), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(addresses.empty());
    // The reserved top-level domain never resolves; a machine without a reachable resolver
    // reports that it could not ask.
    addresses = {{1, 2, 3, 4}};
    EXPECT_THAT(HostAddresses("kelvo-no-such-host.invalid", addresses), ::testing::AnyOf(WSAHOST_NOT_FOUND, WSATRY_AGAIN));
    EXPECT_TRUE(addresses.empty());
}

// The order is the resolver's and each address appears once.
TEST(HostAddresses, AppendUniqueKeepsOrderAndDropsRepeats) {
    std::vector<Ipv4Address> addresses;
    EXPECT_TRUE(AppendUniqueAddress(addresses, {10, 0, 0, 2}));
    EXPECT_TRUE(AppendUniqueAddress(addresses, {10, 0, 0, 1}));
    EXPECT_FALSE(AppendUniqueAddress(addresses, {10, 0, 0, 2}));
    EXPECT_TRUE(AppendUniqueAddress(addresses, {2, 0, 0, 10}));
    EXPECT_EQ(addresses, (std::vector<Ipv4Address>{{10, 0, 0, 2}, {10, 0, 0, 1}, {2, 0, 0, 10}}));
}

}  // namespace
}  // namespace platform
