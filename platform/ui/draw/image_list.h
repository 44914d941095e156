// A row of equally wide pictures cut from one strip bitmap, with one colour transparent.
// A value; drawing happens on the canvas's thread.
#pragma once

#include "platform/ui/draw/bitmap.h"
#include "platform/ui/geometry.h"
#include "platform/win_types.h"

namespace platform::ui {

class Canvas;

class ImageList {
public:
    // Cuts bitmap `bitmapId` into pictures `cx` pixels wide, colour `mask` transparent (`grow`
    // is accepted for the callers' sake; the list does not grow). FALSE when there is no bitmap
    // or `cx` is not positive.
    BOOL Create(UINT bitmapId, int cx, int grow, Colour mask);
    BOOL Create(const Bitmap& strip, int cx, Colour mask);

    [[nodiscard]] int GetImageCount() const;
    // The size of one picture.
    [[nodiscard]] Size GetImageSize() const { return {width_, strip_.height}; }
    // Draws picture `index` with its top left at `at`; FALSE, drawing nothing, for an index
    // outside the list.
    BOOL Draw(Canvas& canvas, int index, Point at) const;

private:
    Image strip_;
    int width_ = 0;
};

}  // namespace platform::ui
