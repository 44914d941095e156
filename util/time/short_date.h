// Short dates: the 16-bit day and month numbers of records, of the server's record types and of
// the programs' date edits.
//
// A stored short day value v means: 0 empty; 28856..65535 the day number v of
// util/date/day_number.h (1 January 1927 .. 4 June 2027); 1..28855 the day number v + 65535
// (5 June 2027 .. 5 June 2106). The original range keeps its values, so older files read
// unchanged; 6 June 2106 and later have no stored form. Every conversion, comparison, difference
// or range test of short dates decodes the stored value first (ZTDataCurtaParaDiaNumero). A short
// month number is the month number, January 1927 (949) .. June 2106 (3102); 0 is empty.
// Routines that build a short form from day, month and year take a four-digit year of 1927..2106
// as it is and read any other year as its last two digits through the two-digit window
// (util/date/year_window.h). Pure functions, except the window (which reads the clock) and the
// conversions to and from time values, which follow the process's time zone. Safe from any thread.
#pragma once

#include <cstdint>

// ---- Stored value and day number -------------------------------------------------------------

// The day number a stored short day value means; 0 for 0.
[[nodiscard]] std::uint32_t ZTDataCurtaParaDiaNumero(std::uint16_t valor);
// The stored short day value of a day number; 0 outside 1 January 1927 .. 5 June 2106.
[[nodiscard]] std::uint16_t ZTDiaNumeroParaDataCurta(std::uint32_t numero);

// ---- Building and splitting ------------------------------------------------------------------

// The year a short form means: a four-digit year of 1927..2106 as it is, any other cut to two
// digits and read through the window (a negative year stays negative).
[[nodiscard]] int ZTAnoDaFormaCurta(int ano);

// The stored short day value of day, month and year; 0 when all three are 0. The day is clamped
// to the month's length (29 February becomes 28 outside leap years); the year is read by
// ZTAnoDaFormaCurta. 0 for a day below 1, a month outside 1..12 or a date without a stored form.
[[nodiscard]] std::uint16_t ZTMontaData(int dia, int mes, int ano);
// Splits a stored short day value into day, month and four-digit year; zeros for 0.
void ZTDesmontaData(std::uint16_t valor, int& dia, int& mes, int& ano);

// The short month number: month + 12 × (year − 1848) with the year read by ZTAnoDaFormaCurta; the
// month is not checked (13 is January of the next year). 0 when month and year are 0 or the
// result does not fit the field.
[[nodiscard]] std::uint16_t ZTMontaMesAno(int mes, int ano);
// Splits a month number into month (12 for multiples of 12) and four-digit year; zeros for 0 and
// for numbers beyond the month numbering.
void ZTDesmontaMesAno(std::uint16_t numero, int& mes, int& ano);

// The stored short day value / short month number of a full date, or 0 when that date has none
// (the year is never wrapped round: used for dates that come from the clock or from time values,
// or whose year has been read already).
[[nodiscard]] std::uint16_t ZTDataCurtaDaData(int dia, int mes, int ano);
[[nodiscard]] std::uint16_t ZTMesAnoCurtoDoMes(int mes, int ano);

// The short month number of a stored short day value (0 for an empty one).
[[nodiscard]] std::uint16_t ZTDataParaMesAno(std::uint16_t valor);

// ---- Limits ----------------------------------------------------------------------------------

// True for a stored short day value 1..65535 (every non-empty one) / a short month number
// 949..3102. They take wider numbers so that a value beyond 16 bits is refused rather than cut.
[[nodiscard]] bool ZTIsDataValida(std::uint32_t valor);
[[nodiscard]] bool ZTIsMesAnoValido(std::uint32_t numero);
// The first and last day that a short date holds, as day numbers: compare decoded values with them.
[[nodiscard]] std::uint32_t ZTGetDataMinima();   // 28856, 1 January 1927
[[nodiscard]] std::uint32_t ZTGetDataMaxima();   // 94390, 5 June 2106
[[nodiscard]] std::uint16_t ZTGetMesAnoMinimo(); // 949, January 1927
[[nodiscard]] std::uint16_t ZTGetMesAnoMaximo(); // 3102, June 2106

// ---- Time values -----------------------------------------------------------------------------

// 32-bit time values (moments) are unsigned seconds since 1970, up to 7 February 2106 06:28:15.

// The stored short day value of a moment's local date; 0 for 0 and for a date without a short form.
[[nodiscard]] std::uint16_t ZTTimeTParaData(std::uint32_t tempo);
// Local midnight of a stored short day value as a 32-bit / 64-bit time value; 0 for 0. The 32-bit
// form gives 0 for a midnight before 1970 (no moment lies before it) and raises
// platform::ComError(E_INVALIDARG) for one after its last moment.
[[nodiscard]] std::uint32_t ZTDataParaTimeT(std::uint16_t valor);
[[nodiscard]] std::int64_t ZTDataParaCTime(std::uint16_t valor);

// ---- Record fields ---------------------------------------------------------------------------

// The 16-bit value (a stored short day value or a month number) of a record field at `campo`
// (any alignment, so a field of a packed record may be given); 0 for a null address.
[[nodiscard]] std::uint16_t ZTLeCampoCurto(const void* campo);
// The short month number of the stored short day value held by the field at `campo`.
[[nodiscard]] std::uint16_t ZTMesAnoDoCampoData(const void* campo);
