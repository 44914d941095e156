// Decoded gdk-pixbuf pictures turned into the preview bitmap: alpha made plain, scaled down to the
// box and turned as the picture is meant to be shown, copied row by row onto white.
//
// Functions on pictures the caller owns; one thread per picture.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/thumbnail/thumbnail_dib.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace server::thumbnail {

struct PixbufUnref {
    void operator()(GdkPixbuf* pixbuf) const { g_object_unref(pixbuf); }
};
using PixbufPtr = std::unique_ptr<GdkPixbuf, PixbufUnref>;

// Turns the colours of an RGBA `picture` that are multiplied by their alpha back into plain ones,
// in place; a picture without alpha is left as it is.
void Unpremultiply(GdkPixbuf* picture);

// `picture` as it is meant to be shown, scaled down to fit the valid `box` with its aspect kept
// (never enlarged): turned and mirrored as the orientation mark that the JPEG and TIFF loaders
// leave in its "orientation" option says (EXIF and TIFF values 1 to 8; none, or another value,
// shows it as stored). It is scaled before it is turned, so that only the small copy is turned.
// A new reference to the same picture when nothing is to be done; null when no memory is left.
[[nodiscard]] PixbufPtr ShownToFit(GdkPixbuf* picture, const tagSIZE& box);

// Fills `dib` with an 8-bit RGB or RGBA `picture` laid on white. S_OK; THUMBNAIL_E_UNDECODABLE
// for another pixel form or a picture larger than a preview may be; E_OUTOFMEMORY when it passes
// the bound of `dib`. `dib` is empty on failure.
[[nodiscard]] platform::HRESULT CopyPixbufToDib(GdkPixbuf* picture, ThumbnailDib& dib);

}  // namespace server::thumbnail
