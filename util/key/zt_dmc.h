// The 64-bit origin key (REG_ZTDMC, field lZTDMC) by which the suite's other modules describe one
// of their records: the kind of period, the owning module, the record key and the period, packed
// in bit fields. Declared as an interface record in server/idl/records.h; these functions read,
// build, check and print its value.
//
//   bits  0-1   kind of period: ZT_DMC_TIPO_NENHUM, _ANO (year), _MES (month number), _DATA (day number)
//   bits  2-13  module number of the origin (1..66; 0 when no module is given)
//   bits 14-45  key of the origin record
//   bits 46-63  period value
//
// The setters are raw field writes (the value masked to its field, as a bit field is); the
// builders that take a date, month or year never cut a period down to another one: a period the
// field cannot hold is left 0, which the validity check refuses. Pure functions; any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// Kinds of period (bits 0-1).
inline constexpr std::uint32_t ZT_DMC_TIPO_NENHUM = 0;
inline constexpr std::uint32_t ZT_DMC_TIPO_ANO = 1;
inline constexpr std::uint32_t ZT_DMC_TIPO_MES = 2;
inline constexpr std::uint32_t ZT_DMC_TIPO_DATA = 3;

inline constexpr std::uint32_t ZT_DMC_MODULO_MAXIMO = 66;     // the last module a valid key names
inline constexpr std::uint32_t ZT_DMC_CAMPO_MODULO = 0xFFF;   // 12-bit module field
inline constexpr std::uint32_t ZT_DMC_CAMPO_PERIODO = 0x3FFFF;  // 18-bit period field

// Room for the origin text (with its NUL) and for the short form "mmyy-000123" (with its NUL).
inline constexpr int ZT_DMC_TAM_TEXTO_ORIGEM = 128;
inline constexpr int ZT_DMC_TAM_TEXTO_CURTO = 12;

// ---- Fields -------------------------------------------------------------------------------
[[nodiscard]] std::uint32_t ZTDMCGetTipo(std::uint64_t lZTDMC);
[[nodiscard]] std::uint32_t ZTDMCGetModulo(std::uint64_t lZTDMC);
[[nodiscard]] std::uint32_t ZTDMCGetChave(std::uint64_t lZTDMC);
[[nodiscard]] std::uint32_t ZTDMCGetPeriodo(std::uint64_t lZTDMC);

// The value with one field replaced by `valor` masked to the field; the other fields kept.
[[nodiscard]] std::uint64_t ZTDMCSetTipo(std::uint64_t lZTDMC, std::uint32_t valor);
[[nodiscard]] std::uint64_t ZTDMCSetModulo(std::uint64_t lZTDMC, std::uint32_t valor);
[[nodiscard]] std::uint64_t ZTDMCSetChave(std::uint64_t lZTDMC, std::uint32_t valor);
[[nodiscard]] std::uint64_t ZTDMCSetPeriodo(std::uint64_t lZTDMC, std::uint32_t valor);

// ---- Building -----------------------------------------------------------------------------
// Key, module, period and kind, each masked to its field.
[[nodiscard]] std::uint64_t ZTDMCMonta(std::uint32_t lChave, std::uint32_t iModulo, std::uint32_t lPeriodo,
                                       std::uint32_t iTipo);
// With a day number: kind 3 when it is not 0 (kind 0 and period 0 when it is); a day number
// above the period field keeps kind 3 with period 0 (invalid), never another date.
[[nodiscard]] std::uint64_t ZTDMCMontaData(std::uint32_t lChave, std::uint32_t iModulo, std::uint32_t lDia);
// With a 16-bit month number: kind 2 when it is not 0.
[[nodiscard]] std::uint64_t ZTDMCMontaMes(std::uint32_t lChave, std::uint32_t iModulo, std::uint16_t iMes);
// With a 16-bit year: kind 1 when it is not 0.
[[nodiscard]] std::uint64_t ZTDMCMontaAno(std::uint32_t lChave, std::uint32_t iModulo, std::uint16_t iAno);

// ---- Reading the period ---------------------------------------------------------------------
// The period as a day number: the 18-bit value, where 1 reads as 0.
[[nodiscard]] std::uint32_t ZTDMCGetData(std::uint64_t lZTDMC);
// The period as a month number: its low 16 bits, where a value above 34440 reads as 0.
[[nodiscard]] std::uint16_t ZTDMCGetMesAno(std::uint64_t lZTDMC);

// ---- Validity -----------------------------------------------------------------------------
// True when module, key and period are not all 0; the period lies in its kind's range (year
// 1848..4717, month 1..34440, day 2..1048247; kind 0 unchecked); the module is at most 66 and
// the key is not 0.
[[nodiscard]] bool ZTDMCIsValido(std::uint64_t lZTDMC);

// ---- Texts --------------------------------------------------------------------------------
// The one-line origin text of a valid key ("Módulo <name> - Mês/Ano: 05/2014 - Chave: 123");
// an empty text for an invalid one.
[[nodiscard]] CZTString ZTDMCParaTexto(std::uint64_t lZTDMC);
// The short form "mmyy-000123" of a kind-2 key whose month is valid and whose key has at most six
// digits, into `buffer` (at least ZT_DMC_TAM_TEXTO_CURTO bytes); any other key or a smaller
// buffer empties the buffer. True when written.
bool ZTDMCParaTextoCurto(std::uint64_t lZTDMC, char* buffer, int tamanho);
// Parses the short form: an empty text (or null) and "0000-000000" give the empty key; otherwise
// eleven characters mmyy-nnnnnn with a valid month (two-digit year windowed) and a key
// 1..999999 give a kind-2 key of module 0. False (and 0) for anything else.
bool ZTDMCDeTextoCurto(const char* texto, std::uint64_t& lZTDMC);
