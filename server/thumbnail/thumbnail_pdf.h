// PDF documents: the first page drawn through poppler's C++ library.
//
// The page's crop box, turned by the page's own rotation, is drawn on opaque white paper to fill
// the requested box along its limiting side (a page has no pixel size, so it is never "too small").
// The page is drawn in bands of rows straight into the bitmap, so that drawing takes little more
// memory than the bitmap itself, and only once the bitmap is known to fit its bound.
// A document that cannot be parsed, has no page, or is locked by a user password is undecodable.
// The document is opened by its path (the caller holds the file open with writers kept out), so
// a large PDF is read only as far as its first page needs. Stateless; any thread.
#pragma once

#include "server/thumbnail/thumbnail_extractor.h"

namespace server::thumbnail {

class PdfExtractor final : public ThumbnailExtractor {
public:
    [[nodiscard]] platform::HRESULT Extract(platform::File& file, const tagSIZE& box,
                                            ThumbnailDib& dib) const override;
};

}  // namespace server::thumbnail
