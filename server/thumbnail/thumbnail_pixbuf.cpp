#include "server/thumbnail/thumbnail_pixbuf.h"

#include "server/thumbnail/thumbnail_dib.h"
#include "server/thumbnail/thumbnail_extractor.h"
#include "server/thumbnail/thumbnail_size.h"

#include <algorithm>

namespace server::thumbnail {

namespace {

// Whether an orientation mark, read as gdk-pixbuf reads it, turns the picture a quarter (5 to 8).
bool TurnsAQuarter(const char* mark) {
    const int orientation = mark ? std::atoi(mark) : 0;
    return orientation >= 5 && orientation <= 8;
}

}  // namespace

void Unpremultiply(GdkPixbuf* picture) {
    if (!gdk_pixbuf_get_has_alpha(picture) || gdk_pixbuf_get_n_channels(picture) != 4) return;
    guchar* pixels = gdk_pixbuf_get_pixels(picture);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    const int width = gdk_pixbuf_get_width(picture);
    for (int y = 0; y < gdk_pixbuf_get_height(picture); ++y) {
        guchar* p = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x, p += 4) {
            const unsigned alpha = p[3];
            if (alpha == 0 || alpha == 255) continue;
            for (int c = 0; c < 3; ++c) p[c] = static_cast<guchar>(std::min(255u, (p[c] * 255u + alpha / 2) / alpha));
        }
    }
}

PixbufPtr ShownToFit(GdkPixbuf* picture, const tagSIZE& box) {
    const char* mark = gdk_pixbuf_get_option(picture, "orientation");
    // A picture turned a quarter fits its stored sides into the box's sides swapped.
    const tagSIZE storedBox = TurnsAQuarter(mark) ? tagSIZE{box.cy, box.cx} : box;
    const int width = gdk_pixbuf_get_width(picture);
    const int height = gdk_pixbuf_get_height(picture);
    const tagSIZE fitted = FitInside(width, height, storedBox, false);
    if (width == fitted.cx && height == fitted.cy) return PixbufPtr(gdk_pixbuf_apply_embedded_orientation(picture));
    // Bilinear scaling averages every source pixel a target pixel covers when it shrinks.
    const PixbufPtr scaled(gdk_pixbuf_scale_simple(picture, fitted.cx, fitted.cy, GDK_INTERP_BILINEAR));
    if (!scaled) return nullptr;
    // The scaled copy carries no options of its own: it takes the mark over to be turned by it.
    if (mark) gdk_pixbuf_set_option(scaled.get(), "orientation", mark);
    return PixbufPtr(gdk_pixbuf_apply_embedded_orientation(scaled.get()));
}

platform::HRESULT CopyPixbufToDib(GdkPixbuf* picture, ThumbnailDib& dib) {
    dib.clear();
    const int channels = gdk_pixbuf_get_n_channels(picture);
    const bool alpha = gdk_pixbuf_get_has_alpha(picture);
    if (gdk_pixbuf_get_colorspace(picture) != GDK_COLORSPACE_RGB || gdk_pixbuf_get_bits_per_sample(picture) != 8 ||
        channels != (alpha ? 4 : 3)) {
        return THUMBNAIL_E_UNDECODABLE;
    }
    DibWriter writer(dib);
    const platform::HRESULT started = writer.Start(gdk_pixbuf_get_width(picture), gdk_pixbuf_get_height(picture));
    if (started == platform::E_INVALIDARG) return THUMBNAIL_E_UNDECODABLE;
    if (platform::FAILED(started)) return started;
    const guint8* pixels = gdk_pixbuf_read_pixels(picture);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    for (int y = 0; y < writer.Height(); ++y) {
        const guint8* source = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint8_t* target = writer.Row(y);
        for (int x = 0; x < writer.Width(); ++x, source += channels, target += 4) {
            DibWriter::PutOnWhite(target, source[0], source[1], source[2], alpha ? source[3] : 255);
        }
    }
    return platform::S_OK;
}

}  // namespace server::thumbnail
