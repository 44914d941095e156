// Small routines on NUL-terminated Windows-1252 buffers owned by the caller.
//
// The in-place routines write into the caller's buffer and never move its NUL to the right; the
// one exception is ZTCompletaComBrancos, whose buffer must hold the padded length plus one. A
// null buffer is left alone (and returned as null). The routines that return a CZTString leave
// their argument untouched. No state; safe from any thread on distinct buffers.
#pragma once

#include "util/text/zt_string.h"

// Removes the trailing blanks (' ' only) in place; returns the buffer.
char* ZTRetiraEspacosDireita(char* buffer);
// A copy of `text` without its trailing blanks.
[[nodiscard]] CZTString ZTRetiraEspacosDireitaTexto(const char* text);
// When the first character is a blank, removes the run of leading blanks in place; returns the
// buffer.
char* ZTRetiraEspacosEsquerda(char* buffer);

// Cuts the text at `length` when it is longer; otherwise pads it with blanks up to `length`
// when `length` is below 399 (the buffer must then hold length + 1 bytes). An empty text stays
// empty; a negative length changes nothing. Returns the buffer.
char* ZTCompletaComBrancos(char* buffer, int length);

// Copies only the digits '0'..'9' of source into target and NUL-terminates it; returns how many
// were copied (0, writing nothing, when either is null). Source and target may be one buffer.
int ZTSoDigitos(const char* source, char* target);
// In place: only the digits remain; returns the buffer.
char* ZTSoDigitosBuffer(char* buffer);
// A copy of `text` with only its digits.
[[nodiscard]] CZTString ZTSoDigitosTexto(const char* text);
// In place: keeps the digits and '.' / the digits and ','; returns the buffer.
char* ZTSoDigitosEPonto(char* buffer);
char* ZTSoDigitosEVirgula(char* buffer);
// In place: removes every '"'; returns the buffer.
char* ZTRetiraAspas(char* buffer);

// Zeroes the bytes from the text's NUL up to `size` (the tail of a fixed-size field); a buffer
// without a NUL in its first `size` bytes is left alone.
void ZTLimpaFinal(char* buffer, int size);

// True when the text holds only blanks, digits, '-', '.' and '/' (an empty text does; null
// does not).
[[nodiscard]] bool ZTSoNumeroFormatado(const char* text);
// The text with a '.' inserted wherever the mask has a '.' at the current output position and
// the text's next character is not already a '.' ("123456" under "9.99.999" gives "1.23.456").
[[nodiscard]] CZTString ZTAplicaPontosMascara(const char* text, const char* mask);
