// Month/key values (chave mês/ano): a month number and a record key in one 32-bit word, the
// month/key record that adds a 16-bit number, their text forms and their order.
//
// Value: bits 0-11 month number (month + 12 × (year − 1848), see util/date/day_number.h; records
// keep months within 949..2154), bits 12-31 key (20 bits). Text form: the month as mmyy (the
// two-digit month text mm/yy without its '/'), a '-', and the key with at least six digits, as
// "0514-000123" for May 2014 and key 123.
// A month or key read from a text is refused (0) when its field cannot hold it; ZTMontaChaveMesAno
// itself refuses nothing, being the packing that stored links share bit for bit.
// Pure functions; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

// A month/key value and a 16-bit number.
struct ZT_REGISTRO_MES_ANO {
    std::uint32_t lChaveMesAno = 0;
    std::uint16_t iNumero = 0;

    friend bool operator==(const ZT_REGISTRO_MES_ANO&, const ZT_REGISTRO_MES_ANO&) = default;
};

constexpr std::uint16_t ZT_CHAVE_MES_ANO_MES_MAXIMO = 0xFFF;      // 12-bit month number
constexpr std::uint32_t ZT_CHAVE_MES_ANO_CHAVE_MAXIMA = 0xFFFFF;  // 20-bit key
// Room for the month text mm/yy and its NUL.
constexpr int ZT_TAM_TEXTO_MES_CHAVE = 6;

// The value of month `iMesAno` and key `lChave`: month OR (key AND 0xFFFFFF) << 12 in 32 bits, so
// key bits above the twentieth are lost and a month above 4095 runs into the key (the shared form
// that stored links hold: callers keep the month below 4096).
[[nodiscard]] std::uint32_t ZTMontaChaveMesAno(std::uint16_t iMesAno, std::uint32_t lChave);
// The key part (the value shifted right by 12).
[[nodiscard]] std::uint32_t ZTGetChaveDaChaveMesAno(std::uint32_t lChaveMesAno);
// The month part (the low 12 bits).
[[nodiscard]] std::uint16_t ZTGetMesAnoDaChaveMesAno(std::uint32_t lChaveMesAno);
// Splits a value into month and key; returns the month.
std::uint16_t ZTDesmontaChaveMesAno(std::uint32_t lChaveMesAno, std::uint16_t& iMesAno, std::uint32_t& lChave);

// Writes the month part as mm/yy into `buffer` (at least ZT_TAM_TEXTO_MES_CHAVE bytes, else an
// empty text); a month part of 0 gives "00/00". The key goes to `pChave` when given. Returns
// the buffer.
char* ZTMesDaChaveParaTexto(std::uint32_t lChaveMesAno, char* buffer, int tamanho, std::uint32_t* pChave = nullptr);
// The text form "mmyy-000123" of a value.
[[nodiscard]] CZTString ZTChaveMesAnoParaTexto(std::uint32_t lChaveMesAno);
// The value of a month text mm/yy (read by the date-text parser) and a key; 0 when the month
// text is rejected or empty, or names a month above 4095 that the value cannot hold.
[[nodiscard]] std::uint32_t ZTTextoParaChaveMesAno(const char* szMes, std::uint32_t lChave);
// The value of a text form "mmyy-key" (leading blanks, then four characters, '-', a decimal key,
// trailing blanks allowed); 0 unless the month is accepted and both month and key are non-zero
// and fit their fields.
[[nodiscard]] std::uint32_t ZTTextoChaveParaChaveMesAno(const char* texto);

// −1, 0 or 1: the month parts compared as unsigned numbers, and when equal the whole values (so
// the keys decide).
[[nodiscard]] int ZTComparaChaveMesAno(std::uint32_t a, std::uint32_t b);
// −1, 0 or 1: the months compared, and when equal the keys.
[[nodiscard]] int ZTComparaMesAnoChave(std::uint16_t iMesA, std::uint32_t lChaveA, std::uint16_t iMesB,
                                       std::uint32_t lChaveB);

// The record of month, key and number; its value is ZTMontaChaveMesAno of month and key.
[[nodiscard]] ZT_REGISTRO_MES_ANO ZTMontaRegistroMesAno(std::uint16_t iMesAno, std::uint32_t lChave,
                                                        std::uint16_t iNumero);
// Splits a record into month, key and number; returns the month.
std::uint16_t ZTDesmontaRegistroMesAno(const ZT_REGISTRO_MES_ANO& registro, std::uint16_t& iMesAno,
                                       std::uint32_t& lChave, std::uint16_t& iNumero);
