// Day numbers and month numbers: the calendar arithmetic behind every date the system keeps.
//
// A day number counts days so that 1 January 1848 is day 2 and 31 December 4717 is day 1048247;
// 0 means "no date". A month number is month + 12 × (year − 1848), January 1848 being 1 and
// December 4717 34440; 0 means "no month". The calendar is the Gregorian one throughout. Years
// below 100 are read through the two-digit window of util/date/year_window.h, the only routines
// here that read the clock (and only for such a year). Safe from any thread.
#pragma once

#include "util/date/year_window.h"

#include <cstdint>

constexpr std::uint32_t ZT_DIA_MINIMO = 2;        // 1 January 1848
constexpr std::uint32_t ZT_DIA_MAXIMO = 1048247;  // 31 December 4717
constexpr std::uint16_t ZT_MES_MINIMO = 1;        // January 1848
constexpr std::uint16_t ZT_MES_MAXIMO = 34440;    // December 4717
constexpr int ZT_ANO_MINIMO = 1848;
constexpr int ZT_ANO_MAXIMO = 4717;

// The days and months that the 16-bit short forms of records and date edits can hold (see
// util/time/short_date.h for how a stored value maps to these day numbers). Every check of the
// short forms uses these.
constexpr std::uint32_t ZT_DATA_CURTA_MINIMA = 28856;  // 1 January 1927
constexpr std::uint32_t ZT_DATA_CURTA_MAXIMA = 94390;  // 5 June 2106
constexpr std::uint16_t ZT_MES_CURTO_MINIMO = 949;     // January 1927
constexpr std::uint16_t ZT_MES_CURTO_MAXIMO = 3102;    // June 2106, the month of the last day
constexpr int ZT_ANO_CURTO_MINIMO = 1927;
constexpr int ZT_ANO_CURTO_MAXIMO = 2106;

// Days of each month (index 1..12), February as 29: the operations choose 28 or 29.
inline constexpr int ZT_DIAS_POR_MES[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days of a common year before each month (index 1..12).
inline constexpr int ZT_DIAS_ANTES_DO_MES[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Gregorian leap year: divisible by 4 and not by 100, or divisible by 400.
[[nodiscard]] bool ZTIsAnoBissexto(int ano);
// Length of a month of a given (full) year; 0 for a month outside 1..12.
[[nodiscard]] int ZTDiasDoMes(int mes, int ano);

// True for 2..1048247.
[[nodiscard]] bool ZTIsDiaNumeroValido(std::uint32_t numero);
// Day number of a date (the year windowed, the day clamped to the month's length); 0 when the day
// or month is 0, the month above 12 or the year outside 1848..4717.
[[nodiscard]] std::uint32_t ZTCalculaDiaNumero(int dia, int mes, int ano);
// Splits a valid day number into day, month and four-digit year and returns true; any other
// number gives three zeros and false.
bool ZTDesmontaDiaNumero(std::uint32_t numero, int& dia, int& mes, int& ano);

// Weekday of a valid day number, 1 = Sunday .. 7 = Saturday; 0 for any other number.
[[nodiscard]] int ZTDiaSemana(std::uint32_t numero);
// Windows-1252 name of a weekday 1..7 ("Domingo" .. "Sábado"); an empty text for any other.
[[nodiscard]] const char* ZTNomeDiaSemana(int diaSemana);

// True for 1..34440.
[[nodiscard]] bool ZTIsMesNumeroValido(std::uint32_t numero);
// Month number of a month and year (the year windowed); 0 unless 1 ≤ month ≤ 12 and the year lies
// in 1848..4717.
[[nodiscard]] std::uint16_t ZTCalculaMesNumero(int mes, int ano);
// Splits a valid month number into month and four-digit year and returns true; any other
// number gives zeros and false.
bool ZTDesmontaMesNumero(std::uint32_t numero, int& mes, int& ano);
