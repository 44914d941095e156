#include "server/thumbnail/thumbnail_size.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using server::thumbnail::FitInside;
using server::thumbnail::IsSourceSizeDecodable;
using server::thumbnail::IsThumbnailSizeValid;

// Whether a GetThumbnailsDoc reply holding one `side` x `side` bitmap fits one message, written
// as the stub writes it: the status, then the array.
bool OneThumbnailReplyFits(int side) {
    std::vector<std::uint8_t> bitmap(server::thumbnail::kThumbnailDibHeaderSize + std::size_t{4} * side * side);
    QD_DOC_THUMBNAIL_PS entry{static_cast<std::uint32_t>(bitmap.size()), bitmap.data()};
    const QD_ARRAY_DOC_THUMBNAIL_PS array{1, &entry};
    platform::com::Bytes reply;
    platform::idl::WireWriter out(reply);
    out.WriteU32(0);
    platform::idl::Codec<QD_ARRAY_DOC_THUMBNAIL_PS>::Encode(out, array);
    return !out.Overflowed();
}

// Guards against a largest side whose one preview can never be sent.
TEST(ThumbnailSize, TheLargestSideIsTheLargestSquareWhosePreviewFitsOneReply) {
    constexpr int kMax = server::thumbnail::kMaxThumbnailSide;
    EXPECT_TRUE(OneThumbnailReplyFits(kMax));
    EXPECT_FALSE(OneThumbnailReplyFits(kMax + 1));
    EXPECT_TRUE(IsThumbnailSizeValid({kMax, kMax}));
    EXPECT_FALSE(IsThumbnailSizeValid({kMax + 1, kMax + 1}));
}

TEST(ThumbnailSize, RequestedSidesMustLieBetweenOneAndTheLargestSide) {
    const struct {
        tagSIZE box;
        bool valid;
    } cases[] = {
        {{1, 1}, true},
        {{4095, 4095}, true},
        {{96, 4095}, true},
        // The side whose bitmap is 4,152 bytes over the message bound.
        {{4096, 4096}, false},
        {{96, 4096}, false},
        // Zero, negative and oversized sides would make an empty or enormous bitmap.
        {{0, 96}, false},
        {{96, 0}, false},
        {{-1, 96}, false},
        {{96, -96}, false},
        {{4097, 96}, false},
        {{96, 4097}, false},
        {{INT_MIN, INT_MIN}, false},
        {{INT_MAX, INT_MAX}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsThumbnailSizeValid(c.box), c.valid) << c.box.cx << " x " << c.box.cy;
    }
}

TEST(ThumbnailSize, DeclaredSourceSizesAreBoundedBeforeDecoding) {
    const struct {
        std::int64_t width;
        std::int64_t height;
        bool decodable;
    } cases[] = {
        {1, 1, true},
        {4960, 7016, true},  // an A4 page scanned at 600 dpi
        {65535, 2048, true},
        {11585, 11585, true},
        // Just over the pixel bound: would take more than 512 MiB.
        {11586, 11586, false},
        {65536, 1, false},
        {1, 65536, false},
        // The largest sides together must not overflow the product.
        {65535, 65535, false},
        {0, 10, false},
        {10, 0, false},
        {-10, -10, false},
        {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSourceSizeDecodable(c.width, c.height), c.decodable) << c.width << " x " << c.height;
    }
}

TEST(ThumbnailSize, FitKeepsTheAspectInsideTheBox) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double width, height;
        tagSIZE box;
        bool enlarge;
        tagSIZE fitted;
    } cases[] = {
        {100, 50, {64, 64}, false, {64, 32}},
        {50, 100, {64, 64}, false, {32, 64}},
        {200, 100, {100, 10}, false, {20, 10}},
        // A small image is not enlarged unless asked to be.
        {16, 16, {64, 64}, false, {16, 16}},
        {16, 8, {64, 64}, true, {64, 32}},
        {3, 2, {100, 100}, true, {100, 67}},
        // A letter page in points.
        {612, 792, {100, 100}, true, {77, 100}},
        // A thin strip keeps one pixel on its short side rather than vanishing.
        {1000, 1, {100, 100}, false, {100, 1}},
        {1, 1000, {100, 100}, false, {1, 100}},
        {1e300, 1, {100, 100}, false, {100, 1}},
        {0, 5, {64, 64}, true, {0, 0}},
        {5, -1, {64, 64}, true, {0, 0}},
        {nan, 5, {64, 64}, true, {0, 0}},
        {inf, 5, {64, 64}, true, {0, 0}},
    };
    for (const auto& c : cases) {
        const tagSIZE fitted = FitInside(c.width, c.height, c.box, c.enlarge);
        EXPECT_EQ(fitted.cx, c.fitted.cx) << c.width << " x " << c.height << " in " << c.box.cx << " x " << c.box.cy;
        EXPECT_EQ(fitted.cy, c.fitted.cy) << c.width << " x " << c.height << " in " << c.box.cx << " x " << c.box.cy;
    }
}

TEST(ThumbnailSize, FitNeverLeavesTheBoxAndTouchesOneSide) {
    // Rounding up must never step one pixel outside the box on any shape.
    const tagSIZE boxes[] = {{1, 1}, {7, 3}, {96, 96}, {100, 33}, {4095, 4095}};
    for (const tagSIZE& box : boxes) {
        for (int w = 1; w <= 300; w += 7) {
            for (int h = 1; h <= 300; h += 11) {
                const tagSIZE fitted = FitInside(w, h, box, true);
                ASSERT_GE(fitted.cx, 1);
                ASSERT_GE(fitted.cy, 1);
                ASSERT_LE(fitted.cx, box.cx) << w << " x " << h;
                ASSERT_LE(fitted.cy, box.cy) << w << " x " << h;
                EXPECT_TRUE(fitted.cx == box.cx || fitted.cy == box.cy) << w << " x " << h << " in " << box.cx << " x " << box.cy;
            }
        }
    }
}

}  // namespace
