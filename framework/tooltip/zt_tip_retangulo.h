// Where a tip lies when it shows: the control's rectangle grown to the size its text needs,
// with a margin, kept inside the parent. Plain computation on a canvas's metrics; the canvas's
// thread.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/canvas.h"
#include "platform/ui/draw/draw_text.h"

// How a tip lays out its text, both to measure it and to draw it.
constexpr platform::UINT kZTFormatoDica = platform::ui::DT_WORDBREAK | platform::ui::DT_NOPREFIX;

// The rectangle, in the parent's client coordinates, of a tip showing `texto` over a control at
// `controle` in a parent whose client area is `cliente`, measured on `dc` in its current font. A
// control under 20 pixels high (one line) may grow to the parent's right edge before the text
// breaks; a tip beyond the parent's right or bottom edge is moved back inside.
[[nodiscard]] platform::ui::Rect ZTRetanguloDica(platform::ui::Canvas& dc, const platform::String& texto,
                                                 const platform::ui::Rect& controle, const platform::ui::Size& cliente);
