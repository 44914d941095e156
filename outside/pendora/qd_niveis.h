// The levels (níveis) of a dotted code or mask such as "1.222.333": the parts between '.'
// characters, counted from 1. Only the '.' separates; the characters themselves are not looked
// at, so a mask's placeholders and a code's digits split alike. Stateless; any thread.
#pragma once

#include "util/text/zt_string.h"

// The number of levels: one more than the number of '.' characters. An empty text and a null
// pointer have one (empty) level.
[[nodiscard]] int QDGetQtdNiveis(const char* szCodigo);

// Level `n` (1-based) without its '.'; empty when the text has fewer levels or n < 1.
[[nodiscard]] CZTString QDGetNivel(const char* szCodigo, int n);
