// The template filler: a short text with star tokens filled from four values and from the
// lines of a second text.
//
// Tokens, letters of any case: "*d", "*c", "*gd", "*gc" take the values d, c, gd, gc; "*n",
// "*ma", "*dma", and a star followed by a blank or a comma (only the star is consumed) take the
// next line of `lines`; a star at the very end takes the next line followed by a blank. Lines
// end at CR or at LF (each ends one line, so CR LF leaves an empty line between two). A value
// token whose value is null or empty, and a star before anything else, stay as plain text.
// Only the first 500 characters of a template count. Null texts count as empty. No state; safe
// from any thread.
#pragma once

#include "util/text/zt_string.h"

// Bits of the value tokens present in `modelo`: 1 "*d" (not "*dma"), 2 "*c", 4 "*gd", 8 "*gc".
[[nodiscard]] int ZTTokensDoModelo(const char* modelo);
// `modelo` filled; an empty template gives the whole of `linhas`.
[[nodiscard]] CZTString ZTPreencheModelo(const char* modelo, const char* linhas, const char* valorD,
                                         const char* valorC, const char* valorGD, const char* valorGC);
// The same, copied into `target` cut to size - 1 characters and NUL-terminated; nothing is
// written past target[size - 1]. True when the whole text fit.
bool ZTPreencheModelo(const char* modelo, const char* linhas, char* target, int size, const char* valorD,
                      const char* valorC, const char* valorGD, const char* valorGC);
