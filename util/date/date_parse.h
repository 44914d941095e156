// Date and month-year text parsers: typed-in dates ("1/2/2024", " 01/02/24") and dates of a known
// format type and separator.
//
// Years below 100 (fewer than three digits in the digit-state parser) are read through the
// two-digit window; the year must lie in 1848..4717, the month in 1..12 and the day in the month's
// length (29 February only in a leap year). Outputs are zeroed first and are filled only when the
// text is accepted. Pure functions, safe from any thread.
#pragma once

// Digit-state parser of d/m/y or m/y text: fields of digits separated by '/', blanks (space, tab)
// allowed around them, any other character rejects. With three fields they are day, month, year;
// with two, month and year. A day output asks for the day, and then three fields are required;
// permite13 lets the month be 13 (only in a month-year text). Every output may be null.
// Returns true when the text is accepted.
bool ZTLeTextoDataEstados(const char* texto, int* dia, int* mes, int* ano, bool permite13);

// Reads text of a date format type (0, 1: d m y; 2, 3: m d y; 4, 5: y m d) whose fields are
// split at the separator and trimmed of blanks and tabs; types 6..9 read a month-year text and
// give day 0. An empty (or null) text is accepted as no date (all zero). Returns true when accepted.
bool ZTLeTextoDataFormato(const char* texto, int& dia, int& mes, int& ano, int tipo, char separador);

// Reads text of a month-year format type (6, 7: m y; 8, 9: y m) split at the separator. An empty
// (or null) text is accepted as no month (both zero). Returns true when accepted.
bool ZTLeTextoMesAnoFormato(const char* texto, int& mes, int& ano, int tipo, char separador);
