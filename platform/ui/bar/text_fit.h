// Cutting a text to the width it may take on a canvas: the start that fits, or the start that
// fits with "..." behind it (as a pane ends a text that does not fit). Canvas's thread.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/canvas.h"

namespace platform::ui {

// The longest start of `text` whose extent on `canvas` is at most `width` (empty when not even
// one character fits).
[[nodiscard]] String FittingStart(const Canvas& canvas, const String& text, int width);

// `text` when it fits in `width`; otherwise the longest start that fits with "..." behind it.
[[nodiscard]] String WithEllipsisToFit(const Canvas& canvas, const String& text, int width);

}  // namespace platform::ui
