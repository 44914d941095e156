// The busy codes of lock marks: the message a caller gets when a mark stays taken, by mark number.
//
// Numbers without an entry of their own (24, 54, 255, ...) answer ZT_ERR_MARCA_OCUPADA. The table
// is data (zt_marca_codigos.cpp), exactly as the module's callers expect it. Pure, thread-safe.
#pragma once

#include <cstdint>

// "The database is locked by another process": the busy code of numbers without an entry.
inline constexpr std::int32_t ZT_ERR_MARCA_OCUPADA = 17396;

// The busy code of mark `numero` (the whole number, not only its low 8 bits).
[[nodiscard]] std::int32_t ZTCodigoMarcaOcupada(int numero);
