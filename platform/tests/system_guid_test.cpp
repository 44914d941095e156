#include "platform/com/guid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace platform {
namespace {

// A GUID without the version and variant marks is not a random GUID by its own definition.
TEST(NewGuid, IsARandomVersion4Guid) {
    for (int i = 0; i < 64; ++i) {
        GUID guid{};
        ASSERT_EQ(NewGuid(guid), S_OK);
        EXPECT_NE(guid, GUID_NULL);
        EXPECT_EQ(guid.Data3 >> 12, 4) << GuidToString(guid);
        EXPECT_EQ(guid.Data4[0] >> 6, 2) << GuidToString(guid);
        const std::string text = GuidToString(guid);
        EXPECT_EQ(text[15], '4') << text;
        EXPECT_NE(std::string("89AB").find(text[20]), std::string::npos) << text;
        EXPECT_EQ(GuidFromString(text), guid);
    }
}

// A fixed or poorly seeded source would hand out the same identity twice.
TEST(NewGuid, NeverRepeats) {
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        GUID guid{};
        ASSERT_EQ(NewGuid(guid), S_OK);
        EXPECT_TRUE(seen.insert(GuidToString(guid)).second);
    }
}

}  // namespace
}  // namespace platform
