// The text that a report value shows in its column, from the bytes, kind and width the report
// hands over (kinds in geralis_definicoes.h).
//
// Text kinds are read up to their width or their first NUL, whichever comes first; control
// characters become spaces (a value never breaks its line) and trailing spaces are dropped.
// Integers print in decimal; stored short day values (util/time/short_date.h, so 1 is 5 June 2027)
// as "dd/mm/yyyy", no date (0) as an empty text. Pure functions; safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

// True for a kind the generator knows with a width it takes: text kinds 0..GERALIS_TAMANHO_MAXIMO,
// an integer 4, a short day 2.
[[nodiscard]] bool GeralisTamanhoValido(int iTipo, int iTamanho);

// The text of `iTamanho` bytes at `pDado` of kind `iTipo` into `strTexto`. S_OK; GERALIS_E_ARGUMENTO
// when the kind and width fail GeralisTamanhoValido; E_POINTER for a null value of a width above 0.
// `strTexto` changes only on S_OK.
[[nodiscard]] platform::HRESULT GeralisTextoDoValor(const void* pDado, int iTipo, int iTamanho, CZTString& strTexto);
