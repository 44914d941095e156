#include "platform/ui/draw/bitmap.h"

#include "platform/ui/resource/resources.h"

namespace platform::ui {

BOOL Bitmap::LoadBitmap(UINT id) {
    image_ = LoadBitmapImage(id);
    return image_.IsNull() ? FALSE : TRUE;
}

BOOL Bitmap::LoadMappedBitmap(UINT id, Colour from, Colour to) {
    if (!LoadBitmap(id)) return FALSE;
    const std::uint32_t source = OpaquePixel(from);
    const std::uint32_t target = OpaquePixel(to);
    for (std::uint32_t& pixel : image_.pixels) {
        if (pixel == source) pixel = target;
    }
    return TRUE;
}

}  // namespace platform::ui
