#include "platform/ui/draw/image_list.h"

#include "platform/ui/canvas.h"

namespace platform::ui {

BOOL ImageList::Create(UINT bitmapId, int cx, int, Colour mask) {
    Bitmap strip;
    return strip.LoadBitmap(bitmapId) ? Create(strip, cx, mask) : FALSE;
}

BOOL ImageList::Create(const Bitmap& strip, int cx, Colour mask) {
    if (cx <= 0 || strip.GetImage().IsNull()) return FALSE;
    strip_ = strip.GetImage();
    width_ = cx;
    const std::uint32_t masked = RgbOfPixel(OpaquePixel(mask));
    for (std::uint32_t& pixel : strip_.pixels) {
        if (RgbOfPixel(pixel) == masked) pixel = 0;
    }
    return TRUE;
}

int ImageList::GetImageCount() const { return width_ > 0 ? strip_.width / width_ : 0; }

BOOL ImageList::Draw(Canvas& canvas, int index, Point at) const {
    if (index < 0 || index >= GetImageCount()) return FALSE;
    canvas.DrawImage(strip_, at, Rect{index * width_, 0, (index + 1) * width_, strip_.height});
    return TRUE;
}

}  // namespace platform::ui
