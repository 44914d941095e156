// Reading and writing the 60-byte value of a document field (QD_DOC_CAMPO_PS::BinaryData, and
// the same bytes of QDDOCCMP.DAT) as the number or text that its data type holds
// (qd_campo_tipo_dado.h).
//
// Numbers sit at the start of the value, little-endian: 16 bits for dates, month-year values,
// times and 16-bit numbers; 32 bits for the other numbers; 64 bits for money and V8 values. A
// text fills the value from its start, NUL-padded; all 60 bytes may be text, so a reader stops
// at the first NUL or at the 60th byte, never past it. Writers clear the whole value first, so
// that equal values are equal bytes. Pure functions; safe from any thread on distinct values.
#pragma once

#include "util/money/cy.h"

#include <bit>
#include <cstdint>
#include <string_view>

static_assert(std::endian::native == std::endian::little, "field values are little-endian");

constexpr int QD_TAM_VALOR_CAMPO = 60;
using QD_VALOR_CAMPO = std::uint8_t[QD_TAM_VALOR_CAMPO];

// The text of a value: its bytes up to the first NUL, or all 60 without one.
[[nodiscard]] std::string_view QDLeCampoTexto(const QD_VALOR_CAMPO& valor);
// The unsigned 16-bit number (types 1, 2, 5; type 4 sub-types 5 to 8).
[[nodiscard]] std::uint16_t QDLeCampoWord(const QD_VALOR_CAMPO& valor);
// The unsigned 32-bit number (type 4 sub-types 0 and 4).
[[nodiscard]] std::uint32_t QDLeCampoDWord(const QD_VALOR_CAMPO& valor);
// The signed 32-bit number (type 4 sub-types 1 to 3).
[[nodiscard]] std::int32_t QDLeCampoLong(const QD_VALOR_CAMPO& valor);
// The signed 64-bit count (type 3).
[[nodiscard]] CY QDLeCampoMoeda(const QD_VALOR_CAMPO& valor);

// Writes a text of at most 60 characters; a longer one is cut to 60 and false is returned.
bool QDSetCampoTexto(QD_VALOR_CAMPO& valor, std::string_view texto);
void QDSetCampoWord(QD_VALOR_CAMPO& valor, std::uint16_t numero);
void QDSetCampoDWord(QD_VALOR_CAMPO& valor, std::uint32_t numero);
void QDSetCampoLong(QD_VALOR_CAMPO& valor, std::int32_t numero);
void QDSetCampoMoeda(QD_VALOR_CAMPO& valor, CY moeda);
