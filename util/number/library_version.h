// The version of the utility library, as a number and as the text shown in about boxes.
//
// Both come from one major and one minor number. Pure functions, safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// major × 100 + minor: 527 for 5.27.
[[nodiscard]] int ZTVersaoBiblioteca();
// "major.minor" with the minor in two digits ("%d.%02d"): "5.27".
[[nodiscard]] CZTString ZTVersaoBibliotecaTexto();
