// Short dates: the 16-bit day and month numbers of records, of the server's record types and of
// the programs' date edits.
//
// A short day number is the day number of util/date/day_number.h limited to what the 16-bit
// field holds from 1 January 1927 (28856) on, up to its last value 65535 (4 June 2027); a short
// month number is the month number limited to January 1927 (949) .. June 2027 (2154). 0 is
// empty in both. The limits are the constants of day_number.h. Routines that build a short form
// from day, month and year keep only a two-digit year and read it through the two-digit window
// (below 28 → 20yy), except that a four-digit year of 1927..2027 is taken as it is.
// Pure functions, except the conversions to and from time values, which follow the process's
// time zone. Safe from any thread.
#pragma once

#include <cstdint>

// ---- Building and splitting ------------------------------------------------------------------

// The short day number of day, month and year; 0 when all three are 0. The day is clamped to the
// month's length (29 February becomes 28 outside leap years); a year other than 1927..2027 counts
// only as year mod 100 through the window. 0 for a day below 1, a month outside 1..12 or a date
// after the field's last day.
[[nodiscard]] std::uint16_t ZTMontaData(int dia, int mes, int ano);
// Splits a short day number into day, month and four-digit year; zeros for 0 or any number that
// is not a day number (below 2).
void ZTDesmontaData(std::uint16_t numero, int& dia, int& mes, int& ano);

// The short month number: month + 12 × (year − 1848) with the year read as in ZTMontaData; the
// month is not checked (13 is January of the next year). 0 when month and year are 0 or the
// result does not fit the field.
[[nodiscard]] std::uint16_t ZTMontaMesAno(int mes, int ano);
// Splits a month number into month (12 for multiples of 12) and four-digit year; zeros for 0 and
// for numbers beyond the month numbering.
void ZTDesmontaMesAno(std::uint16_t numero, int& mes, int& ano);

// The short day / month number of a full date, or 0 when that date has no short form (the year is
// never wrapped round: used for dates that come from the clock or from time values).
[[nodiscard]] std::uint16_t ZTDataCurtaDaData(int dia, int mes, int ano);
[[nodiscard]] std::uint16_t ZTMesAnoCurtoDoMes(int mes, int ano);

// The short month number of a short day number (0 for an empty or invalid one).
[[nodiscard]] std::uint16_t ZTDataParaMesAno(std::uint16_t numero);

// ---- Limits ----------------------------------------------------------------------------------

// True for 28856..65535 / 949..2154. They take wider numbers so that a 32-bit day number beyond
// the field is refused rather than cut to 16 bits.
[[nodiscard]] bool ZTIsDataValida(std::uint32_t numero);
[[nodiscard]] bool ZTIsMesAnoValido(std::uint32_t numero);
[[nodiscard]] std::uint16_t ZTGetDataMinima();   // 28856, 1 January 1927
[[nodiscard]] std::uint16_t ZTGetDataMaxima();   // 65535, 4 June 2027
[[nodiscard]] std::uint16_t ZTGetMesAnoMinimo(); // 949, January 1927
[[nodiscard]] std::uint16_t ZTGetMesAnoMaximo(); // 2154, June 2027

// ---- Time values -----------------------------------------------------------------------------

// The short day number of a 32-bit time value's local date; 0 for 0 and for a date without a
// short form.
[[nodiscard]] std::uint16_t ZTTimeTParaData(std::int32_t tempo);
// Local midnight of a short day number as a 32-bit / 64-bit time value; 0 for 0 (and for a number
// that is not a day number). Raise platform::ComError: E_FAIL for a year before 1900, E_INVALIDARG
// when the moment cannot be represented (beyond 32 bits for the first).
[[nodiscard]] std::int32_t ZTDataParaTimeT(std::uint16_t numero);
[[nodiscard]] std::int64_t ZTDataParaCTime(std::uint16_t numero);

// ---- Record fields ---------------------------------------------------------------------------

// The short day / month number held by a 16-bit record field at `campo` (any alignment, so a
// field of a packed record may be given); 0 for a null address.
[[nodiscard]] std::uint16_t ZTLeCampoCurto(const void* campo);
// The short month number of the short day number held by the field at `campo`.
[[nodiscard]] std::uint16_t ZTMesAnoDoCampoData(const void* campo);
