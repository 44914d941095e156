// FindOneOf: the switch scanner of the server's command line.
//
// Text is Windows-1252, one byte per character. Pure; safe from any thread.
#pragma once

// The text that follows the first character of `texto` that is one of `separadores`, or null
// when there is none (also for a null text or null separators).
[[nodiscard]] const char* FindOneOf(const char* texto, const char* separadores);
