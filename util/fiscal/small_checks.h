// Two small tests: whether a text has four characters and whether a number is above 33. Pure
// functions; any thread.
#pragma once

#include <cstdint>

// True when `szTexto` has at least four characters (null has none).
[[nodiscard]] bool ZTTemQuatroCaracteres(const char* szTexto);
// True when `iNumero` is above 33.
[[nodiscard]] bool ZTMaiorQue33(std::int16_t iNumero);
