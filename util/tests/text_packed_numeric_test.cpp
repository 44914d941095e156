#include "util/text/packed_numeric.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Packed(const char* text, int bytes) {
    std::vector<unsigned char> packed(static_cast<size_t>(bytes), 0x55);
    ZTCompactaNumerico(text, packed.data(), bytes);
    return packed;
}

// The 2 × bytes characters and the NUL that unpacking writes, NULs included.
std::string Expanded(const std::vector<unsigned char>& packed) {
    std::string target(packed.size() * 2 + 1, '#');
    ZTExpandeNumerico(target.data(), packed.data(), static_cast<int>(packed.size()));
    return target;
}

TEST(ZTCompactaNumerico, TwoCharactersPerByteHighFirst) {
    EXPECT_EQ(Packed("12-3", 2), (std::vector<unsigned char>{0x12, 0xD3}));
    EXPECT_EQ(Packed("0./9", 2), (std::vector<unsigned char>{0x0E, 0xF9}));
    EXPECT_EQ(Packed(" 1", 1), (std::vector<unsigned char>{0xA1}));  // a blank packs as 0xA
    EXPECT_EQ(Packed("#", 1), (std::vector<unsigned char>{0x3A}));   // other characters keep their low bits
    // Past the text's end every position packs as 0xA.
    EXPECT_EQ(Packed("123", 3), (std::vector<unsigned char>{0x12, 0x3A, 0xAA}));
    EXPECT_EQ(Packed(nullptr, 2), (std::vector<unsigned char>{0xAA, 0xAA}));
}

TEST(ZTCompactaNumerico, NeverReadsPastTheTextsNul) {
    // An exact-size source: the sanitizer reports a read beyond its NUL.
    auto text = std::make_unique<char[]>(3);
    std::memcpy(text.get(), "12", 3);
    EXPECT_EQ(Packed(text.get(), 4), (std::vector<unsigned char>{0x12, 0xAA, 0xAA, 0xAA}));
}

TEST(ZTExpandeNumerico, RoundTrips) {
    struct Case {
        const char* text;
        int bytes;
    };
    const Case cases[] = {{"12-3", 2}, {"0123456789", 5}, {"1.234/56-7", 5}, {"12345", 3}, {"", 2}};
    for (const Case& c : cases) {
        std::string expected(c.text);
        expected.resize(static_cast<size_t>(c.bytes) * 2 + 1, '\0');  // the padding comes back as NULs
        EXPECT_EQ(Expanded(Packed(c.text, c.bytes)), expected) << c.text;
    }
}

TEST(ZTExpandeNumerico, WritesExactlyTwoCharactersPerByteAndANul) {
    const std::vector<unsigned char> packed{0x12, 0xBC, 0xDE, 0xF0};
    std::string target(12, '#');
    ZTExpandeNumerico(target.data(), packed.data(), 4);
    EXPECT_EQ(target, std::string("12;<-./0\0###", 12));
}

TEST(ZTNibbleParaCaractere, EverySixteenValues) {
    const char expected[16] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '\0', ';', '<', '-', '.', '/'};
    for (int n = 0; n < 16; ++n) {
        EXPECT_EQ(ZTNibbleParaCaractere(n), expected[n]) << n;
        EXPECT_EQ(ZTNibbleParaCaractere(n | 0x70), expected[n]) << n;  // only the low four bits count
    }
}

}  // namespace
