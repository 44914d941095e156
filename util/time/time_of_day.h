// Times of day in their four encodings: minutes since midnight, seconds since midnight, packed
// HHMM (hours × 100 + minutes) and packed HHMMSS (hours × 10000 + minutes × 100 + seconds), with
// the conversions between them and the hh:mm texts of time edits.
//
// Splitting uses integer division (hours = s / 3600, minutes = s mod 3600 / 60, seconds =
// s mod 60; minutes likewise by 60, packed values by 100 and 10000). Values are not checked
// against a day's length. Pure functions, safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// The parts of a time of day, returned on request by the conversions.
struct ZTPartesHora {
    int horas = 0;
    int minutos = 0;
    int segundos = 0;
};

// ---- Texts -----------------------------------------------------------------------------------

// True for hh:mm text made of digits and ':' only (any other character fails): the hours before
// the first ':' at most 23, the minutes after it below 60 unless the hours are 0 (then any
// minutes pass). An empty text is midnight and passes; null fails.
[[nodiscard]] bool ZTValidaTextoHora(const char* texto);
// Hours × 60 + minutes of hh:mm text, characters other than digits and ':' skipped; 0 for null.
[[nodiscard]] std::int32_t ZTTextoHoraParaMinutos(const char* texto);
// "%02d:%02d" of minutes / 60 and minutes mod 60, into the buffer (at most tamanho − 1
// characters, always terminated) or as a string. Returns the buffer.
char* ZTMinutosParaTexto(std::int32_t minutos, char* buffer, int tamanho);
[[nodiscard]] CZTString ZTFormataMinutos(std::int32_t minutos);
// "%02d:%02d:%02d" of the parts of a count of seconds; the parts also when asked for.
[[nodiscard]] CZTString ZTSegundosParaTexto(std::int32_t segundos, ZTPartesHora* partes = nullptr);

// ---- Splitting and building ------------------------------------------------------------------

// Splits a count (compactado false: minutes, or seconds when comSegundos) or a packed value
// (HHMM, or HHMMSS when comSegundos) into hours, minutes and seconds (0 without seconds).
void ZTDesmontaHora(std::int32_t valor, bool compactado, bool comSegundos, int& horas, int& minutos, int& segundos);
// The inverse: the count or packed value of hours, minutes and (with comSegundos) seconds.
[[nodiscard]] std::int64_t ZTMontaHora(bool compactado, bool comSegundos, int horas, int minutos, int segundos);

// ---- Conversions (each optionally returning the parts) ---------------------------------------
// HHMM values, minute counts and added seconds are 16-bit inputs; where seconds are added, a
// value of 60 or more is taken as 59.

[[nodiscard]] std::int32_t ZTHHMMSSParaHHMM(std::int32_t hhmmss, ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int32_t ZTHHMMParaHHMMSS(std::uint16_t hhmm, std::uint16_t segundos, ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int32_t ZTSegundosParaMinutos(std::int32_t segundos, ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int32_t ZTMinutosParaSegundos(std::uint16_t minutos, std::uint16_t segundos,
                                                 ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int64_t ZTSegundosParaHHMMSS(std::int32_t segundos, ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int32_t ZTHHMMSSParaSegundos(std::int32_t hhmmss, ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int32_t ZTMinutosParaHHMM(std::uint16_t minutos, ZTPartesHora* partes = nullptr);
[[nodiscard]] std::int32_t ZTHHMMParaMinutos(std::uint16_t hhmm, ZTPartesHora* partes = nullptr);
