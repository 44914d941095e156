// Text drawn into a rectangle, as the callers' DrawText does it: left-aligned lines from the top,
// one per line break of the text ("\r\n", "\n" or "\r") and, with DT_WORDBREAK, broken between
// words to fit the rectangle's width. '&' is drawn as itself (the callers pass DT_NOPREFIX) and
// nothing is clipped. Canvas's thread.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/canvas.h"
#include "platform/win_types.h"

namespace platform::ui {

// DrawText's format flags, with their values on the original platform.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_WORDBREAK = 0x0010;
// Only measures: `rect` becomes the extent the text takes (its widest line, a word wider than
// the rectangle included, by all its lines), and nothing is drawn.
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// Draws (or measures) `text` in `rect` in the canvas's current font and text colour, with a
// transparent background; returns the height of the text.
int DrawText(Canvas& canvas, const String& text, Rect* rect, UINT format);

}  // namespace platform::ui
