// The sizes of a preview: which requested sizes are acceptable, which decoded sizes a source may
// declare before any memory is taken for it, and how a picture is fitted into the requested box.
//
// A preview keeps the aspect of its source and fits inside the box. Raster images are never
// enlarged (an enlarged 16 x 16 icon shows no more than the icon); a PDF page has no pixel size of
// its own and is drawn to fill the box along its limiting side. Pure functions, any thread.
#pragma once

#include "server/idl/records.h"
#include "platform/idl/wire_size.h"
#include "server/thumbnail/thumbnail_dib.h"

#include <cstddef>
#include <cstdint>

namespace server::thumbnail {

// The bytes of a GetThumbnailsDoc reply with one entry besides its bitmap's pixels: the status,
// the array record and its block, the entry and its bitmap's count and header.
inline constexpr std::size_t kOneThumbnailReplyBytes =
    platform::idl::kStatusWireBytes + platform::idl::Codec<QD_ARRAY_DOC_THUMBNAIL_PS>::kWireSize + platform::idl::kCountWireBytes +
    platform::idl::Codec<QD_DOC_THUMBNAIL_PS>::kWireSize + platform::idl::kCountWireBytes + kThumbnailDibHeaderSize;

// The side of the largest square of 32-bit pixels that `bytes` hold.
[[nodiscard]] constexpr int LargestSquareSide(std::size_t bytes) {
    std::size_t side = 0;
    while (4 * (side + 1) * (side + 1) <= bytes) ++side;
    return static_cast<int>(side);
}

// The largest preview side that may be asked for: the largest square whose one preview fits a
// reply.
inline constexpr int kMaxThumbnailSide = LargestSquareSide(platform::idl::kMaxMessageBytes - kOneThumbnailReplyBytes);
// The largest source side and pixel count a raster image may declare before it is decoded:
// 2^27 pixels are 512 MiB at four bytes each, more than a colour A3 page scanned at 600 dpi.
inline constexpr std::int64_t kMaxSourceSide = 65535;
inline constexpr std::int64_t kMaxSourcePixels = std::int64_t{1} << 27;

// True when both sides of the requested box are between 1 and kMaxThumbnailSide.
[[nodiscard]] bool IsThumbnailSizeValid(const tagSIZE& box);

// True when a raster image of `width` x `height` pixels may be decoded: both sides at least 1 and
// at most kMaxSourceSide, and no more than kMaxSourcePixels pixels.
[[nodiscard]] bool IsSourceSizeDecodable(std::int64_t width, std::int64_t height);

// The size of a `width` x `height` picture (any positive, finite unit) scaled to fit inside the
// valid `box` with its aspect kept, each side rounded and at least 1 pixel; with `enlarge` false
// a picture already inside the box keeps its own size (then in pixels). {0, 0} when `width` or
// `height` is not a positive finite number.
[[nodiscard]] tagSIZE FitInside(double width, double height, const tagSIZE& box, bool enlarge);

}  // namespace server::thumbnail
