// Decoded gdk-pixbuf pictures turned into the preview bitmap: alpha made plain, scaled down to the
// box, copied row by row onto white.
//
// Functions on pictures the caller owns; one thread per picture.
#pragma once

#include "server/idl/records.h"

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

// `picture` scaled down to fit the valid `box` with its aspect kept (a new reference to the same
// picture when it already fits; never enlarged); null when no memory is left for the copy.
[[nodiscard]] PixbufPtr ScaleToFit(GdkPixbuf* picture, const tagSIZE& box);

// Fills `dib` with an 8-bit RGB or RGBA `picture` laid on white. False, `dib` empty, for another
// pixel form or a picture larger than a preview may be.
[[nodiscard]] bool CopyPixbufToDib(GdkPixbuf* picture, std::vector<std::uint8_t>& dib);

}  // namespace server::thumbnail
