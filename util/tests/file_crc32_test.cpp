#include "util/file/zt_crc32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ZTCalculaCRC32, KnownValueWithoutInversion) {
    EXPECT_EQ(ZTCalculaCRC32("abc", 3), 0xCA6598D0u);
    EXPECT_EQ(ZTCalculaCRC32("abc", 0, 0x1234u), 0x1234u);
    EXPECT_EQ(ZTCalculaCRC32(nullptr, 10, 0x55u), 0x55u);
}

// Passing the previous result must continue the checksum exactly, at every split point.
TEST(ZTCalculaCRC32, ContinuesOverSuccessiveBlocks) {
    std::string data;
    for (int i = 0; i < 1000; ++i) data += static_cast<char>((i * 131) & 0xFF);
    const std::uint32_t whole = ZTCalculaCRC32(data.data(), data.size());
    for (size_t split : {size_t{0}, size_t{1}, size_t{3}, size_t{500}, size_t{999}, size_t{1000}}) {
        const std::uint32_t first = ZTCalculaCRC32(data.data(), split);
        EXPECT_EQ(ZTCalculaCRC32(data.data() + split, data.size() - split, first), whole) << split;
    }
}

// With the register's usual inversions added, the result must be the common CRC-32.
TEST(ZTCalculaCRC32, MatchesTheCommonCrc32WhenInverted) {
    const char* text = "123456789";
    EXPECT_EQ(~ZTCalculaCRC32(text, 9, 0xFFFFFFFFu), 0xCBF43926u);
}

}  // namespace
