// The 27 federative units (unidades da federação) with their two-digit IBGE state codes, and
// the conversion between the two. Constant data; any thread.
#pragma once

#include "util/text/zt_string.h"

// A text starting with a digit is read as a state code and gives its unit ("35" gives "SP");
// any other text is read as a unit and gives its code ("SP" gives "35"). Both match the whole
// text exactly and case-sensitively ("sp" and "035" are not found). Empty when not found or
// null.
[[nodiscard]] CZTString ZTConverteUF(const char* szTexto);
