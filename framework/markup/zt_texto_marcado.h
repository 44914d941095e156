// Markup text: single-byte text with inline bold, italic, underline, colour and line breaks,
// drawn on a canvas, and the same text stripped of its markup to measure it.
//
// Markup, letters of either case: "[B]", "[I]", "[U]" add bold, italic or underline to the font;
// "[/B]", "[/I]", "[/U]" each close the most recent of them; "[C" RRGGBB "]" (hexadecimal) sets
// the text colour until "[/C]"; "[[" and "]]" are a literal '[' and ']'; CR goes back to the left
// edge and LF one line down. Malformed markup is drawn the way the recogniser reads it (a lone
// ']' makes the text up to the next ']' plain, an unknown tag draws its letters).
//
// One process-wide renderer serves every caller; it holds nothing between calls, so the
// functions are safe on any thread that owns the canvas it draws on.
#pragma once

#include "platform/ui/canvas.h"
#include "util/text/zt_string.h"

// Draws `texto` (null: nothing) with its first line's bottom at y + 16, starting at x, in `fonte`
// (null: the canvas's default GUI font); each line feed adds the font's text height plus
// `espacoExtra`. The canvas keeps its font; its text colour ends black. Returns the height used:
// 16 plus one such step per line feed.
int ZTDesenhaTextoMarcado(platform::ui::Canvas& dc, const char* texto, int x, int y, int espacoExtra,
                          const platform::ui::FontDescription* fonte);

// `texto` without its markup: every character from a '[' up to and including the next ']' is
// dropped (a '[' never closed drops the rest); everything else stays, line breaks included.
[[nodiscard]] CZTString ZTTextoSemMarcas(const char* texto);
