// Helpers shared by the preview tests: pictures made in memory, written as real PNG, JPEG, BMP and
// TIFF files through gdk-pixbuf's savers, GIF, multi-page TIFF and PDF files and JPEG orientation
// marks written as bytes by hand, and a reader of the preview bitmap that works from the byte
// offsets alone.
#pragma once

#include "server/idl/records.h"
#include "server/thumbnail/thumbnail_dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace thumbnail_test {

using Bytes = std::vector<std::uint8_t>;

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};
std::ostream& operator<<(std::ostream& out, const Rgba& colour);

inline constexpr Rgba kRed{255, 0, 0, 255};
inline constexpr Rgba kBlue{0, 0, 255, 255};
inline constexpr Rgba kGreen{0, 255, 0, 255};
inline constexpr Rgba kWhite{255, 255, 255, 255};

// Each channel of `actual` within `tolerance` of `expected`.
::testing::AssertionResult ColourNear(const Rgba& actual, const Rgba& expected, int tolerance);

// A picture held top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    [[nodiscard]] Rgba& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    [[nodiscard]] bool HasAlpha() const;
};

// A picture whose upper half is `top` and lower half `bottom` (height even).
[[nodiscard]] Picture TwoBands(int width, int height, Rgba top, Rgba bottom);

// Saves `picture` through gdk-pixbuf's saver `format` ("png", "jpeg", "bmp", "tiff"); JPEG at the
// best quality. False when the saver fails.
[[nodiscard]] bool SaveWithPixbuf(const Picture& picture, const std::filesystem::path& path, const char* format);

// A GIF of `width` x `height` with a four-colour table, one frame per entry of `frames` (palette
// indices, top row first); `transparent`, when 0..3, is that colour index's transparency.
[[nodiscard]] Bytes GifBytes(int width, int height, const std::vector<Rgba>& palette,
                             const std::vector<std::vector<std::uint8_t>>& frames, int transparent = -1);

// `jpeg` with an EXIF block right after its start marker that holds only the orientation mark
// `orientation` (1 to 8).
[[nodiscard]] Bytes WithExifOrientation(const Bytes& jpeg, std::uint16_t orientation);

// One page of an uncompressed RGB TIFF: the sizes it declares and its pixel bytes (R, G, B, and A
// when `alpha` is 1, colours multiplied by alpha, or 2, plain colours: the ExtraSamples value);
// `orientation`, when not 0, is its Orientation tag.
struct TiffPage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Bytes samples;
    std::uint16_t alpha = 0;
    std::uint16_t orientation = 0;
};
// The page of `picture` without alpha, or with alpha of the kind `alpha` (1 or 2).
[[nodiscard]] TiffPage TiffPageOf(const Picture& picture, std::uint16_t alpha = 0);
[[nodiscard]] Bytes TiffBytes(const std::vector<TiffPage>& pages);

// A PDF with one page (or none): its boxes, rotation and content stream; `encrypted` adds a
// standard security handler whose user password is not empty, so the document opens locked.
struct PdfPage {
    std::string mediaBox = "0 0 100 200";
    std::string cropBox;  // empty: none
    int rotate = 0;
    std::string content;
    bool encrypted = false;
    bool noPage = false;
};
[[nodiscard]] std::string PdfBytes(const PdfPage& page);

// The content stream that paints the upper half of a `width` x `height` point page `top` and the
// lower half `bottom` (colours given as "r g b", 0..1).
[[nodiscard]] std::string TwoBandContent(int width, int height, const char* top, const char* bottom);

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
[[nodiscard]] Bytes ReadBytes(const std::filesystem::path& path);

// A bitmap left from an earlier call, which a failed extraction must empty.
[[nodiscard]] server::thumbnail::ThumbnailDib StaleDib();

// The preview bitmap read from its raw bytes.
class DibReader {
public:
    explicit DibReader(std::span<const std::uint8_t> dib) : dib_(dib) {}

    [[nodiscard]] std::uint32_t U32(std::size_t offset) const;
    [[nodiscard]] std::uint16_t U16(std::size_t offset) const;
    [[nodiscard]] std::int32_t Width() const { return static_cast<std::int32_t>(U32(4)); }
    [[nodiscard]] std::int32_t Height() const { return static_cast<std::int32_t>(U32(8)); }
    // The pixel `y` rows below the top edge, read from bottom-up rows of B, G, R, A.
    [[nodiscard]] Rgba PixelFromTop(int x, int y) const;
    // The header says 56 bytes, 1 plane, 32 bits, BI_RGB, the image size, and the vector holds
    // exactly header and rows.
    [[nodiscard]] ::testing::AssertionResult WellFormed() const;

private:
    std::span<const std::uint8_t> dib_;
};

}  // namespace thumbnail_test
