#include "server/thumbnail/thumbnail_size.h"

#include <algorithm>
#include <cmath>

namespace server::thumbnail {

namespace {

// One side of the fitted picture: rounded, then kept between 1 and the box's side so that a
// rounding up can never step outside the box.
std::int32_t FittedSide(double side, double scale, std::int32_t limit) {
    const double scaled = std::round(side * scale);
    return static_cast<std::int32_t>(std::clamp(scaled, 1.0, static_cast<double>(limit)));
}

}  // namespace

bool IsThumbnailSizeValid(const tagSIZE& box) {
    return box.cx >= 1 && box.cy >= 1 && box.cx <= kMaxThumbnailSide && box.cy <= kMaxThumbnailSide;
}

bool IsSourceSizeDecodable(std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) return false;
    if (width > kMaxSourceSide || height > kMaxSourceSide) return false;
    return width * height <= kMaxSourcePixels;
}

tagSIZE FitInside(double width, double height, const tagSIZE& box, bool enlarge) {
    if (!(std::isfinite(width) && std::isfinite(height) && width > 0 && height > 0)) return {0, 0};
    double scale = std::min(box.cx / width, box.cy / height);
    if (!enlarge) scale = std::min(scale, 1.0);
    return {FittedSide(width, scale, box.cx), FittedSide(height, scale, box.cy)};
}

}  // namespace server::thumbnail
