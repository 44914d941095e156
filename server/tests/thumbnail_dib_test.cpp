#include "server/thumbnail/thumbnail_dib.h"

#include "server/thumbnail/thumbnail_size.h"

#include "server/tests/thumbnail_test_support.h"

#include <gtest/gtest.h>

namespace {

using server::thumbnail::ThumbnailDib;
using server::thumbnail::DibWriter;
using thumbnail_test::Bytes;
using thumbnail_test::DibReader;

TEST(ThumbnailDib, HeaderHoldsEveryFieldAtItsOffset) {
    ThumbnailDib dib;
    DibWriter writer(dib);
    ASSERT_EQ(writer.Start(3, 2), platform::S_OK);
    const DibReader reader(dib);
    ASSERT_EQ(dib.size(), 56u + 3 * 2 * 4);
    EXPECT_EQ(reader.U32(0), 56u);                // biSize
    EXPECT_EQ(reader.U32(4), 3u);                 // biWidth
    EXPECT_EQ(reader.U32(8), 2u);                 // biHeight, positive: bottom-up
    EXPECT_EQ(reader.U16(12), 1u);                // biPlanes
    EXPECT_EQ(reader.U16(14), 32u);               // biBitCount
    EXPECT_EQ(reader.U32(16), 0u);                // BI_RGB
    EXPECT_EQ(reader.U32(20), 24u);               // biSizeImage
    EXPECT_EQ(reader.U32(24), 0u);                // resolutions
    EXPECT_EQ(reader.U32(28), 0u);
    EXPECT_EQ(reader.U32(32), 0u);                // biClrUsed
    EXPECT_EQ(reader.U32(36), 0u);                // biClrImportant
    EXPECT_EQ(reader.U32(40), 0x00FF0000u);       // red, green, blue, alpha masks
    EXPECT_EQ(reader.U32(44), 0x0000FF00u);
    EXPECT_EQ(reader.U32(48), 0x000000FFu);
    EXPECT_EQ(reader.U32(52), 0xFF000000u);
    EXPECT_TRUE(reader.WellFormed());
}

TEST(ThumbnailDib, RowsAreStoredBottomUpAndStartWhite) {
    ThumbnailDib dib;
    DibWriter writer(dib);
    ASSERT_EQ(writer.Start(5, 4), platform::S_OK);
    const std::size_t stride = 5 * 4;
    // The top row is the last one stored, the bottom row the first after the header.
    EXPECT_EQ(writer.Row(0), dib.data() + 56 + 3 * stride);
    EXPECT_EQ(writer.Row(3), dib.data() + 56);
    EXPECT_EQ(writer.Row(1), dib.data() + 56 + 2 * stride);
    for (std::size_t at = 56; at < dib.size(); ++at) ASSERT_EQ(dib[at], 0xFF) << at;
}

TEST(ThumbnailDib, RowsOutsideThePictureAreRefused) {
    ThumbnailDib dib;
    DibWriter writer(dib);
    // Before Start there are no rows at all.
    EXPECT_EQ(writer.Row(0), nullptr);
    ASSERT_EQ(writer.Start(2, 2), platform::S_OK);
    EXPECT_EQ(writer.Row(-1), nullptr);
    EXPECT_EQ(writer.Row(2), nullptr);
}

TEST(ThumbnailDib, StartRefusesEmptyOversizedOrUnboundedBitmapsAndEmptiesThem) {
    constexpr int kMax = server::thumbnail::kMaxThumbnailSide;
    constexpr std::size_t kTwoByTwo = 56 + 2 * 2 * 4;
    const struct {
        int width, height;
        std::size_t bound;
        platform::HRESULT expected;
    } cases[] = {
        {0, 1, SIZE_MAX, platform::E_INVALIDARG},
        {1, 0, SIZE_MAX, platform::E_INVALIDARG},
        {-3, 4, SIZE_MAX, platform::E_INVALIDARG},
        {kMax + 1, 1, SIZE_MAX, platform::E_INVALIDARG},
        {1, kMax + 1, SIZE_MAX, platform::E_INVALIDARG},
        // A bitmap one byte over its bound is refused before its memory is taken.
        {2, 2, kTwoByTwo - 1, platform::E_OUTOFMEMORY},
    };
    for (const auto& c : cases) {
        ThumbnailDib dib(c.bound);
        ASSERT_EQ(dib.Allocate(5, 5), platform::S_OK);
        DibWriter writer(dib);
        EXPECT_EQ(writer.Start(c.width, c.height), c.expected) << c.width << " x " << c.height;
        EXPECT_TRUE(dib.empty());
        EXPECT_EQ(writer.Row(0), nullptr);
    }
    ThumbnailDib atBound(kTwoByTwo);
    DibWriter bounded(atBound);
    EXPECT_EQ(bounded.Start(2, 2), platform::S_OK);
    ThumbnailDib dib;
    DibWriter writer(dib);
    EXPECT_EQ(writer.Start(kMax, 1), platform::S_OK);
}

TEST(ThumbnailDib, PixelsAreLaidOnWhiteInBlueGreenRedOrder) {
    const struct {
        std::uint8_t r, g, b, a;
        std::uint8_t expected[4];
    } cases[] = {
        {255, 0, 0, 255, {0, 0, 255, 255}},
        {10, 20, 30, 255, {30, 20, 10, 255}},
        // Fully transparent shows the white form whatever colour it carries.
        {0, 0, 0, 0, {255, 255, 255, 255}},
        {12, 200, 99, 0, {255, 255, 255, 255}},
        // Half transparent red: half way to white on green and blue, rounded.
        {255, 0, 0, 128, {127, 127, 255, 255}},
        {0, 0, 0, 1, {254, 254, 254, 255}},
    };
    for (const auto& c : cases) {
        std::uint8_t pixel[4] = {1, 2, 3, 4};
        DibWriter::PutOnWhite(pixel, c.r, c.g, c.b, c.a);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(pixel[i], c.expected[i]) << "byte " << i << " of " << int{c.r} << "," << int{c.g} << ","
                                               << int{c.b} << "," << int{c.a};
        }
    }
}

}  // namespace
