#include "platform/text/codepage.h"
#include "platform/com/bstr.h"
#include "platform/com/guid.h"
#include "platform/com/task_allocator.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace platform;

constexpr GUID kGuid{0x7E98B312, 0x885F, 0x4C2A, {0x9E, 0x67, 0x15, 0x98, 0x41, 0xCE, 0x8D, 0x14}};

// The braced form is upper case and reads back to the same GUID, from either case.
TEST(ComGuid, BracedFormRoundTrip) {
    EXPECT_EQ(GuidToString(kGuid), "{7E98B312-885F-4C2A-9E67-159841CE8D14}");
    EXPECT_EQ(GuidFromString("{7E98B312-885F-4C2A-9E67-159841CE8D14}"), kGuid);
    EXPECT_EQ(GuidFromString("{7e98b312-885f-4c2a-9e67-159841ce8d14}"), kGuid);
    EXPECT_EQ(GuidToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

// Anything but the exact braced form is refused instead of half-parsed.
TEST(ComGuid, MalformedTextIsRefused) {
    for (const char* text : {"", "7E98B312-885F-4C2A-9E67-159841CE8D14", "{7E98B312-885F-4C2A-9E67-159841CE8D14",
                             "{7E98B312-885F-4C2A-9E67-159841CE8D1G}", "{7E98B312+885F-4C2A-9E67-159841CE8D14}",
                             "{7E98B312-885F-4C2A-9E6715-9841CE8D14}", "{7E98B312-885F-4C2A-9E67-159841CE8D14}x"}) {
        EXPECT_FALSE(GuidFromString(text).has_value()) << text;
    }
}

// A null BSTR and an empty one are different values with length 0.
TEST(ComBstr, NullAndEmptyStayApart) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    const BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    EXPECT_EQ(empty[0], u'\0');
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(empty);
    SysFreeString(nullptr);
}

// The length is the stored one (embedded zeros count); a zero follows the text; a null source
// gives zeros.
TEST(ComBstr, LengthPrefixAndTerminator) {
    const char16_t text[] = {u'a', u'\0', u'b'};
    const BSTR bstr = SysAllocStringLen(text, 3);
    ASSERT_NE(bstr, nullptr);
    EXPECT_EQ(SysStringLen(bstr), 3u);
    EXPECT_EQ(SysStringByteLen(bstr), 6u);
    EXPECT_EQ(bstr[2], u'b');
    EXPECT_EQ(bstr[3], u'\0');
    SysFreeString(bstr);
    const BSTR zeros = SysAllocStringLen(nullptr, 4);
    ASSERT_NE(zeros, nullptr);
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(zeros[i], u'\0');
    SysFreeString(zeros);
}

// Windows-1252 text survives the trip through UTF-16, accents included.
TEST(ComBstr, AnsiRoundTrip) {
    const std::string ansi = AnsiFromUtf8("Instância São Paulo");
    const BSTR bstr = SysAllocStringFromAnsi(ansi);
    ASSERT_NE(bstr, nullptr);
    EXPECT_EQ(SysStringLen(bstr), 19u);
    EXPECT_EQ(bstr[4], u'\u00E2');
    EXPECT_EQ(AnsiFromBstr(bstr).str(), ansi);
    SysFreeString(bstr);
    EXPECT_EQ(AnsiFromBstr(nullptr).str(), "");
}

// A zero-size allocation is a real, distinct block that can grow.
TEST(ComTaskAllocator, ZeroSizeIsAValidBlock) {
    void* first = CoTaskMemAlloc(0);
    void* second = CoTaskMemAlloc(0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    void* grown = CoTaskMemRealloc(first, 64);
    ASSERT_NE(grown, nullptr);
    std::memset(grown, 0xAB, 64);
    CoTaskMemFree(grown);
    CoTaskMemFree(second);
    CoTaskMemFree(nullptr);
}

}  // namespace
