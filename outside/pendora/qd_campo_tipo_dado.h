// The data type of each document field (QD_E_CAMPO_DOC): how its 60-byte value is coded, which
// is also how the document search compares it.
//
// Data types: 0 text; 1 a 16-bit short day number (dates); 2 a 16-bit short month number
// (month-year values); 3 a signed 64-bit count (money: ten-thousandths); 4 a number of 32 or 16
// bits whose sub-type says which; 5 a 16-bit time of day (minutes since midnight).
// Sub-types of type 4: 0 a code (unsigned 32-bit); 1, 2, 3 a signed 32-bit count of units,
// hundredths and ten-thousandths; 4 a number (unsigned 32-bit); 5 a branch (unsigned 16-bit).
// Sub-types 6 to 8 are kept for further unsigned 16-bit numbers. A type-3 field's sub-type is
// the decimal places its count holds (4 for money); other types have no sub-type.
// The free fields take their kind from their block's name: DMA dates, MA month-year values,
// TEXTO texts, and Vn numbers with n decimal places: V0 units, V2 hundredths and V4
// ten-thousandths (type 4, sub-types 1 to 3), and V8 a signed 64-bit count of hundred-millionths
// (type 3, sub-type 8), which 32 bits cannot hold usefully.
// Fixed tables; safe from any thread.
#pragma once

#include "server/idl/enumerations.h"

enum QD_E_TIPO_DADO_CAMPO : int {
    QD_TIPO_DADO_DESCONHECIDO = -1,  // not a field: the search lets it match
    QD_TIPO_DADO_TEXTO = 0,
    QD_TIPO_DADO_DATA = 1,
    QD_TIPO_DADO_MES_ANO = 2,
    QD_TIPO_DADO_MOEDA = 3,
    QD_TIPO_DADO_NUMERICO = 4,
    QD_TIPO_DADO_HORA = 5,
};

enum QD_E_SUBTIPO_DADO_CAMPO : int {
    QD_SUBTIPO_NENHUM = -1,
    QD_SUBTIPO_CODIGO = 0,           // unsigned 32-bit
    QD_SUBTIPO_INTEIRO = 1,          // signed 32-bit units
    QD_SUBTIPO_CENTESIMOS = 2,       // signed 32-bit hundredths
    QD_SUBTIPO_DECIMILESIMOS = 3,    // signed 32-bit ten-thousandths
    QD_SUBTIPO_NUMERO = 4,           // unsigned 32-bit
    QD_SUBTIPO_FILIAL = 5,           // unsigned 16-bit
};

// Sub-types of type 3: the decimal places of the 64-bit count.
constexpr int QD_CASAS_MOEDA = 4;  // money, ten-thousandths
constexpr int QD_CASAS_V8 = 8;     // the V8 free fields, hundred-millionths

// The data type of field `id`; QD_TIPO_DADO_DESCONHECIDO for a value outside the enumeration.
[[nodiscard]] QD_E_TIPO_DADO_CAMPO QDGetCampoDataType(QD_E_CAMPO_DOC id);
// The sub-type of field `id` (see above); QD_SUBTIPO_NENHUM for types without one and for a
// value outside the enumeration.
[[nodiscard]] int QDGetSpecificDataType(QD_E_CAMPO_DOC id);
