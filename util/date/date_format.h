// Date and month-year texts by format type: the one formatter behind every date the system prints.
//
// Date types: 0 d-m-yy, 1 d-m-yyyy, 2 m-d-yy, 3 m-d-yyyy, 4 yy-m-d, 5 yyyy-m-d; month-year
// types: 6 m-yy, 7 m-yyyy, 8 yy-m, 9 yyyy-m. Each field is zero-padded to two digits (a
// four-digit year to four); the separator is one character, or none when it is 0. A two-digit
// type prints four digits when the caller's four-digit flag is set and the year lies outside
// what the two-digit window (util/date/year_window.h) reads back, which asks the clock. The
// formatters write into the caller's buffer and never past its length; a refused input leaves an
// empty text. Safe from any thread.
#pragma once

// Writes day, month and year by date type 0..5 (types 6..9 go to ZTFormataMesAnoTipo). Refuses
// (empty text) a buffer shorter than 11 for types 1, 3, 5 or 9 for the others, a day above 31, a
// month above 12, a year neither 0..100 nor 1848..4717, and a text that would not fit. Returns
// the buffer.
char* ZTFormataDataTipo(int dia, int mes, int ano, char* buffer, int tamanho, int tipo, char separador,
                        bool quatroDigitos);

// Writes month and year by month-year type 6..9 (0 and 2 act as 6, 1 and 3 as 7, 4 as 8, 5 as 9).
// Refuses (empty text) a buffer shorter than 8 for types 7 and 9 or 6 for the others, a month
// above 12, a year neither 0..100 nor 1848..4717, and a text that would not fit. Returns the buffer.
char* ZTFormataMesAnoTipo(int mes, int ano, char* buffer, int tamanho, int tipo, char separador,
                          bool quatroDigitos);
