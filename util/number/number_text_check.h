// The check of typed-in number text: an optional sign, an integer part written either as plain
// digits or in groups of three behind a '.' (1.234.567), and an optional decimal part behind the
// last ',' or '.' (1.234,56; 1234,5; 12.5).
//
// Text is Windows-1252 bytes. Pure functions over a constant table, safe from any thread.
#pragma once

// Class of a character for the check: 0 a digit, 1 '.', 2 '+' or '-', 3 anything else (NUL and
// bytes above 127 included).
[[nodiscard]] int ZTClasseCaractere(char c);

// True when `texto` is number text as above, or blank (empty or only white space); a null text
// counts as empty and is valid. Blanks around digits make the text invalid: only the emptiness
// test ignores them.
[[nodiscard]] bool ZTValidaTextoNumero(const char* texto);
