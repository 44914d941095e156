// Preview bitmaps of stored document contents: one extractor per kind of content, chosen by the
// file name's extension, in place of the image extractors that the original platform's shell
// offered per file type.
//
// Kinds: raster images (png; jpg, jpeg, jpe; bmp; gif, first frame; tif, tiff, first page) and
// PDF (first page). The result is the bitmap described in server/thumbnail/thumbnail_dib.h.
// Results a caller acts on:
//   S_OK                       the bitmap is in `dib`;
//   E_INVALIDARG               the requested size is not 1..kMaxThumbnailSide on each side;
//   E_OUTOFMEMORY              the fitted bitmap passes the bound of `dib` (found before its
//                              pixels are drawn) or no memory is left;
//   0x80070000 | Win32 error   the file cannot be opened or read (the caller stops);
//   E_NOTIMPL                  no extractor for this kind (the caller leaves the entry empty);
//   THUMBNAIL_E_UNDECODABLE    a known kind whose content cannot be decoded: corrupt, truncated,
//                              locked by a password, or declaring an absurd size (the caller
//                              leaves the entry empty and goes on).
// Extractors hold no state; any thread, one call per bitmap vector.
#pragma once

#include "platform/file/file.h"
#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/thumbnail/thumbnail_dib.h"

#include <string_view>

namespace server::thumbnail {

// The content's kind is known but the content cannot be turned into a picture.
inline constexpr platform::HRESULT THUMBNAIL_E_UNDECODABLE = platform::MakeHResult(0x8004006A);

// Draws one kind of content.
class ThumbnailExtractor {
public:
    virtual ~ThumbnailExtractor() = default;

    // Draws the content of the open `file` into `dib`, fitted inside `box` (already checked as a
    // valid preview size) with its aspect kept. S_OK; THUMBNAIL_E_UNDECODABLE; the file error's
    // HRESULT when reading fails; E_OUTOFMEMORY. `dib` is empty on failure.
    [[nodiscard]] virtual platform::HRESULT Extract(platform::File& file, const tagSIZE& box,
                                                    ThumbnailDib& dib) const = 0;
};

// The extractor for the kind of `fileName` (Windows-1252; the extension after the last '.' of its
// last path element, without regard to case); null for a kind without one.
[[nodiscard]] const ThumbnailExtractor* ThumbnailExtractorFor(std::string_view fileName);

// Draws the preview of the file at `path` (Windows-1252) fitted inside `size` into `dib`, with
// the results listed above; `dib` is empty unless S_OK. The file is opened for reading with
// writers kept out while it is read; a file that cannot be opened answers its file error whatever
// its kind, as a missing item did on the original platform.
[[nodiscard]] platform::HRESULT ExtractThumbnail(const char* path, const tagSIZE& size, ThumbnailDib& dib);

}  // namespace server::thumbnail
