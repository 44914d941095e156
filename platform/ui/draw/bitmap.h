// A bitmap loaded from the program's resources, optionally with one colour mapped to another
// (tool and button pictures drawn on black that should sit on the button-face colour).
// A value; any thread.
#pragma once

#include "platform/ui/draw/image.h"
#include "platform/ui/geometry.h"
#include "platform/win_types.h"

namespace platform::ui {

class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(Image image) : image_(std::move(image)) {}

    // Loads bitmap `id`; FALSE (and the bitmap empty) when there is none.
    BOOL LoadBitmap(UINT id);
    // Loads bitmap `id` with every pixel of colour `from` made `to`.
    BOOL LoadMappedBitmap(UINT id, Colour from, Colour to);

    [[nodiscard]] Size GetSize() const { return {image_.width, image_.height}; }
    [[nodiscard]] const Image& GetImage() const { return image_; }

private:
    Image image_;
};

}  // namespace platform::ui
