// The DOS code page of old Portuguese data, and accent folding, for Windows-1252 text.
//
// Text from DOS-era files and devices writes Portuguese letters in the DOS code page; these
// routines convert between it and Windows-1252 ("ANSI") for the 29 letters that the system
// knows, and fold accented letters to their plain forms for searches that ignore accents. The
// two directions are not exact inverses: a-tilde and o-tilde go to DOS as 0xC6 and 0xE4, which
// the way back leaves alone. Fixed tables; safe from any thread on distinct buffers. A null
// buffer is left alone.
#pragma once

#include "util/text/zt_string.h"

// In place, ANSI to DOS; returns the buffer.
char* ZTConverteAnsiParaOem(char* buffer);
// In place, DOS to ANSI; returns the buffer.
char* ZTConverteOemParaAnsi(char* buffer);
// In place, accented letters to their plain forms (Æ, Ø, ß and the like stay); returns the
// buffer.
char* ZTRetiraAcentosBuffer(char* buffer);
// A copy of `text` with its accents folded.
[[nodiscard]] CZTString ZTRetiraAcentos(const char* text);
