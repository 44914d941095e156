// The packed numeric text form: two characters of a numeric text in one byte.
//
// Each character keeps its low four bits, the first of a pair in the high half: '0'..'9' give
// 0..9, '-' 0xD, '.' 0xE and '/' 0xF; a blank, and every position at or after the text's end,
// give 0xA, which unpacks to the NUL that ends the text. Caller-owned buffers; no state; safe
// from any thread.
#pragma once

// Packs 2 × bytes characters of `text` (null counts as empty) into `bytes` bytes of `target`.
void ZTCompactaNumerico(const char* text, unsigned char* target, int bytes);
// Unpacks `bytes` bytes of `source` into 2 × bytes characters and a NUL in `target`, which must
// hold 2 × bytes + 1 bytes.
void ZTExpandeNumerico(char* target, const unsigned char* source, int bytes);
// The character of one four-bit value (its low four bits): '0' + n for 0..9, NUL for 0xA,
// ';' and '<' for 0xB and 0xC, '-' '.' '/' for 0xD..0xF.
[[nodiscard]] char ZTNibbleParaCaractere(int n);
