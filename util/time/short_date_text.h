// Short dates as text: dd/mm/yy and mm/yy texts of short day and month numbers, the parsers and
// validator of what the date edits hold, and the date and time of an ISO text.
//
// Every buffer a routine writes into must hold at least 11 characters (ZT_TEXTO_DATA_CURTA);
// nothing is written beyond them. Parsers keep only the digits of the text and return 0 (empty)
// for text they reject; the validator returns false. Numbers are stored short day values
// (util/time/short_date.h). Two-digit years go through the window of util/date/year_window.h,
// which reads the clock; four-digit years of 1927..2106 are taken as typed. Safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The room every text buffer of this header must have, the terminating zero included.
constexpr int ZT_TEXTO_DATA_CURTA = 11;

// ---- Texts of numbers and fields -------------------------------------------------------------

// dd/mm/yy, or dd/mm/yyyy with the four-digit flag; an empty (or invalid) number gives 00/00/00 or
// 00/00/0000. Returns the buffer.
char* ZTDataParaTexto(std::uint16_t numero, char* buffer, bool quatroDigitos);
// mm/yy or mm/yyyy; an empty number gives 00/00 or 00/0000. Returns the buffer.
char* ZTMesAnoParaTexto(std::uint16_t numero, char* buffer, bool quatroDigitos);
// The same from separate fields: a year below 100 is printed through the window when four digits
// are asked for, a longer year as year mod 100 when two are; all zero is the empty text. Fields
// that do not fit the text (day or month outside 0..99, year outside 0..9999) give an empty
// string. Return the buffer.
char* ZTCamposDataParaTexto(int dia, int mes, int ano, char* buffer, bool quatroDigitos);
char* ZTCamposMesAnoParaTexto(int mes, int ano, char* buffer, bool quatroDigitos);

// The same operations on a 16-bit record field at `campo` (any alignment; null reads as empty).
char* ZTFormataData(const void* campo, char* buffer, bool quatroDigitos);
char* ZTFormataMesAno(const void* campo, char* buffer, bool quatroDigitos);
// The field's date text as a string.
[[nodiscard]] CZTString ZTFormataCampoData(const void* campo, bool quatroDigitos);

// ---- Parsing ---------------------------------------------------------------------------------

// Stored short day value of date text: of its digits (at most 14) day = 1-2, month = 3-4, year =
// 5-6; exactly 8 digits are ddmmyyyy and need a year of 1927..2106 (else 0). Built by ZTMontaData,
// so the day is clamped, not checked.
[[nodiscard]] std::uint16_t ZTTextoParaData(const char* texto);
// Short month number of MM/AA text: month from characters 1-2, year from characters 4-5.
[[nodiscard]] std::uint16_t ZTTextoParaMesAno(const char* texto);
// The same parses into the fields of the number they build (four-digit year); true when that
// number is not empty, else zeros and false.
bool ZTLeTextoData(const char* texto, int& dia, int& mes, int& ano);
bool ZTLeTextoMesAno(const char* texto, int& mes, int& ano);

// Validity of date-edit text. Of its digits (at most 14), exactly 8 need a year of 1927..2106.
// A month-year text (mesAno) of at most 5 digits is tested on its month (1..12, or 1..13 with
// permite13) and, when its year is there, on the month lying within the short months. Any other
// text needs day ≥ 1 within the month's length (February 29), month 1..12, a 29 February only in
// a leap year, and a date that a short date holds.
[[nodiscard]] bool ZTValidaTextoData(const char* texto, bool mesAno, bool permite13);

// The date and time of "yyyy-mm-dd hh:mm:ss": with at least 10 characters the date is
// ZTMontaData of characters 9-10, 6-7 and 1-4, else 0; with more than 17 characters the time is
// HHMMSS of characters 12-13, 15-16 and 18-19, else 0.
void ZTLeDataHoraISO(const char* texto, std::uint16_t& data, std::int32_t& hora);
