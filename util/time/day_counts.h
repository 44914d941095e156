// The older day counts that some records and routines still use: a count of days from 1850, the
// same count from 1848, a count of months from 1850, and a count of days from a base year (1950
// wherever the system uses one).
//
// These counts treat every year divisible by 4 as a leap year (so 1900 has a 29 February) and 0
// as empty:
//   from 1850:  1 January 1850 = 1;          months: month + 12 × (year − 1850)
//   from 1848:  the 1850 count + 731 (1 January 1848 = 1)
//   from base B: day + days of the earlier months + 365 × (year − B) + (year − B + 1) / 4
//                (1 January of B = 1)
// Texts are written into buffers of at least 11 characters (ZT_TEXTO_DATA_CURTA) and never beyond
// them. Pure functions, safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// ---- Days and months from 1850 ---------------------------------------------------------------

// The day count from 1850 of a date; 0 when day, month and year are all 0 or the month lies
// outside 1..12.
[[nodiscard]] std::int32_t ZTCalculaDias1850(int dia, int mes, int ano);
// The digits of ddmmyyyy (others dropped; at most 15 digits) as a day count from 1850.
[[nodiscard]] std::int32_t ZTTextoParaDias1850(const char* texto);
// dd/mm/yyyy of a day count from 1850; 0 (or a negative count) gives 00/00/0, a count whose year
// does not fit the text an empty string. Returns the buffer.
char* ZTDias1850ParaTexto(std::int32_t dias, char* buffer);
// The digits of mmyyyy (month from the first two, year from the next four; at most 15 digits) as
// a month count from 1850; 0 when month and year are 0.
[[nodiscard]] std::int32_t ZTTextoParaMeses1850(const char* texto);
// mm/yyyy of a month count from 1850; 0 (or a negative count) gives 00/0, a count whose year does
// not fit the text an empty string. Returns the buffer.
char* ZTMeses1850ParaTexto(std::int32_t meses, char* buffer);

// Between the counts from 1850 and from 1848 (0 stays 0).
[[nodiscard]] std::int32_t ZTDias1850ParaDias1848(std::int32_t dias1850);
[[nodiscard]] std::int32_t ZTDias1848ParaDias1850(std::int32_t dias1848);

// ---- Days from a base year -------------------------------------------------------------------

// The day count from base year `base`; 0 when day, month and year are all 0, the month lies
// outside 1..12, or the count does not fit 32 bits.
[[nodiscard]] std::int32_t ZTCalculaDiasBase(int dia, int mes, int ano, int base);
// dd/mm/yyyy of a count from `base` (day and month two digits, the year unpadded); an empty (or
// negative) count gives 00/00/0000.
[[nodiscard]] CZTString ZTDiasBaseParaTexto(std::int32_t dias, int base);
// The digits of dd/mm/yyyy (day 2, month 2, year 4; at most 15 digits) as a count from `base`.
[[nodiscard]] std::int32_t ZTTextoParaDiasBase(const char* texto, int base);
// A stored short day value (decoded, see short_date.h) written with a four-digit year and read
// back as a count from `base`.
[[nodiscard]] std::int32_t ZTDataCurtaParaDiasBase(std::uint16_t dataCurta, int base);
