// Raster images (PNG, JPEG, BMP, GIF, TIFF) drawn through gdk-pixbuf.
//
// Each kind names one gdk-pixbuf loader and uses only that one: a file is decoded as the kind its
// extension says, never sniffed into another decoder. The file is streamed to the loader in
// bounded chunks. The image's declared size is checked as soon as the loader knows it, before the
// loader takes memory for the picture; the picture is then decoded whole, scaled down to the
// fitted size (never enlarged) and turned as its orientation mark says (a JPEG's EXIF mark, a
// TIFF's orientation tag), so a photo taken on its side is shown upright. A file cut short is
// undecodable, also where the loader itself would hand back the part it got. Animated GIFs give
// their first frame and multi-page TIFFs their first page. Stateless; any thread.
#pragma once

#include "server/thumbnail/thumbnail_extractor.h"

#include <cstdint>

namespace server::thumbnail {

// Encoded files larger than this are not decoded: some loaders hold the whole file in memory.
inline constexpr std::uint64_t kMaxImageFileBytes = std::uint64_t{1} << 30;

// How one raster kind is decoded.
struct ImageKind {
    // The gdk-pixbuf format name, with static storage.
    const char* loader;
    // The loader reports every row of a complete picture as decoded, so a row never reported means
    // the file was cut short (not so for GIF, whose first frame may cover part of its screen; its
    // loader reports a cut file itself).
    bool rowsCoverPicture;
    // The loader gives colours already multiplied by their alpha (TIFF, read through libtiff's
    // RGBA reader whatever kind of alpha the file holds).
    bool premultiplied;
};

inline constexpr ImageKind kPngImage{"png", true, false};
inline constexpr ImageKind kJpegImage{"jpeg", true, false};
inline constexpr ImageKind kBmpImage{"bmp", true, false};
inline constexpr ImageKind kGifImage{"gif", false, false};
inline constexpr ImageKind kTiffImage{"tiff", true, true};

class ImageExtractor final : public ThumbnailExtractor {
public:
    explicit ImageExtractor(const ImageKind& kind) : kind_(kind) {}

    [[nodiscard]] platform::HRESULT Extract(platform::File& file, const tagSIZE& box,
                                            ThumbnailDib& dib) const override;

private:
    ImageKind kind_;
};

// What one decoding found.
struct ImageDecodeResult {
    platform::HRESULT hr = platform::S_OK;
    // The size the image declared before it was decoded; {0, 0} when the loader never told it.
    tagSIZE declared{0, 0};
    // Whether the loader took memory for the picture (never for a refused declared size).
    bool allocated = false;
};

// Decodes the open `file` as `kind` into `dib`, fitted inside the valid `box`. hr: S_OK;
// THUMBNAIL_E_UNDECODABLE for a damaged or cut image, a declared size beyond
// IsSourceSizeDecodable (refused before the picture is allocated) or a file beyond
// kMaxImageFileBytes; E_NOTIMPL when this machine has no such loader; the file error's HRESULT
// when reading fails; E_OUTOFMEMORY when the fitted bitmap passes the bound of `dib`. `dib` is
// empty unless S_OK.
[[nodiscard]] ImageDecodeResult DecodeImage(platform::File& file, const ImageKind& kind, const tagSIZE& box,
                                            ThumbnailDib& dib);

}  // namespace server::thumbnail
