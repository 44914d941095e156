// A picture in memory, in the form every drawing surface takes: 32-bit pixels 0xAARRGGBB (alpha
// in the top byte; 0 is transparent), rows from the top. A plain value; no Qt.
#pragma once

#include "platform/ui/geometry.h"

#include <cstdint>
#include <vector>

namespace platform::ui {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height, row after row

    [[nodiscard]] bool IsNull() const { return width <= 0 || height <= 0; }
    [[nodiscard]] std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The opaque pixel of `colour`; RgbOfPixel gives its colour part back (alpha dropped).
[[nodiscard]] constexpr std::uint32_t OpaquePixel(Colour colour) {
    return 0xFF000000u | (RedOf(colour) << 16) | (GreenOf(colour) << 8) | BlueOf(colour);
}
[[nodiscard]] constexpr std::uint32_t RgbOfPixel(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }

}  // namespace platform::ui
