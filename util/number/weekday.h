// Weekdays of stored day values: the weekday number and name of a short day number or of a day
// count from 1850.
//
// The value is first written as its dd/mm/yyyy text and that text decides: text that the
// digit-state date parser refuses gives 0 (so does the 29 February 1900 that the 1850 count keeps,
// having a leap day in every fourth year: the calendar has none), a date that cannot become a day
// number gives 65535, any other gives its weekday.
// Pure functions, safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// Results of ZTDiaDaSemana besides the weekdays 1 (Sunday) .. 7 (Saturday).
constexpr std::uint16_t ZT_DIA_SEMANA_TEXTO_INVALIDO = 0;     // the date text fails the parser
constexpr std::uint16_t ZT_DIA_SEMANA_SEM_CALENDARIO = 65535; // the date has no day number

// Weekday of `valor`: a day count from 1850 when `dias1850` is set, else a 16-bit short day number
// (a value beyond 16 bits is no short day number and gives 0). Returns 1..7, 0 or 65535 as above.
[[nodiscard]] std::uint16_t ZTDiaDaSemana(std::uint32_t valor, bool dias1850);

// Name of that weekday ("Domingo" .. "Sábado", Windows-1252), its first three characters when
// `abrevia` is set; an empty string when ZTDiaDaSemana gives no weekday.
[[nodiscard]] CZTString ZTNomeDiaDaSemana(std::uint32_t valor, bool abrevia, bool dias1850);
