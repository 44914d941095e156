// Numbers with a modulo-11 check character appended: the generic form (weights growing to the
// left, ending in 4 at the last digit) and the form with the fixed weights 4, 5, 7, 6.
//
// Both write into a caller's buffer, which must hold the size given below. Pure functions; any
// thread.
#pragma once

#include <cstdint>

// Room for the longest result of ZTDigitoModulo11 with its NUL: ten digits, the check, NUL.
inline constexpr int ZT_TAM_DIGITO_MODULO11 = 12;
// Room for the longest result of ZTDigitoPesos4576 with its NUL: five digits, the check, NUL.
inline constexpr int ZT_TAM_DIGITO_PESOS4576 = 7;

// Writes into `szDestino` (at least ZT_TAM_DIGITO_MODULO11 bytes) the decimal text of `lNumero`
// followed by its check character; 0 gives "00000". A negative number has no check character
// in this scheme: it gives an empty text. Returns `szDestino` (null stays null).
char* ZTDigitoModulo11(std::int32_t lNumero, char* szDestino);

// Writes into `szDestino` (at least ZT_TAM_DIGITO_PESOS4576 bytes) the decimal text of `iNumero`
// (unpadded) followed by its check digit. Returns `szDestino` (null stays null).
char* ZTDigitoPesos4576(std::uint16_t iNumero, char* szDestino);
