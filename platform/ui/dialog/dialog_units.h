// Dialog units: a dialog's sizes in quarters of its font's average character width and eighths
// of its character height (the base units), as its template gives them.
#pragma once

#include "platform/ui/geometry.h"

namespace platform::ui {

// `rect` (dialog units) in pixels for the base units `base` (cx: width, cy: height):
// x × width / 4 and y × height / 8.
[[nodiscard]] constexpr Rect DialogUnitsToPixels(const Rect& rect, Size base) {
    return {rect.left * base.cx / 4, rect.top * base.cy / 8, rect.right * base.cx / 4, rect.bottom * base.cy / 8};
}

}  // namespace platform::ui
