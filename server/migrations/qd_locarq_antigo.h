// The location records of older data: QD_LOCARQ_ARQ_1, the 128-byte record QDLOCARQ.DAT held
// before the 160-byte QD_LOCARQ_ARQ, and DF_LOCARM_ARQ, a record of DFLOCARM.DAT, the locations
// the suite's base module kept before this module had its own. With the conversions of each into
// the record that follows it.
//
// Plain bytes and pure functions; safe from any thread.
#pragma once

#include "server/locations/qd_locarq_arq.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

// The base module's file of legacy locations (in the base module's data folder).
inline constexpr char DF_ARQ_LOCARM[] = "DFLOCARM.DAT";
// Its type letter of a group.
inline constexpr char DF_LOCARM_TIPO_GRUPO = 'G';

#pragma pack(push, 1)
struct QD_LOCARQ_ARQ_1 {
    std::uint32_t dwFlags;          // as in QD_LOCARQ_ARQ
    std::uint32_t nQtdTipDocs;
    std::uint32_t lPrimeiroTipDoc;
    std::int32_t nQtdMaximaDocs;
    std::int32_t nQtdDisponivel;
    char szCodigo[10];              // dotted code, NUL-terminated when shorter
    char szDescricao[66];
    std::uint8_t cReservado[32];    // zero
};

struct DF_LOCARM_ARQ {
    char szCodigo[10];              // code (armazenagem: storage place)
    char szDescricao[66];           // description
    char cTipo;                     // 'G' = group
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_LOCARQ_ARQ_1, 128);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, dwFlags, 0, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, nQtdTipDocs, 4, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, lPrimeiroTipDoc, 8, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, nQtdMaximaDocs, 12, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, nQtdDisponivel, 16, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, szCodigo, 20, 10);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, szDescricao, 30, 66);
ZT_REGISTRO_CAMPO(QD_LOCARQ_ARQ_1, cReservado, 96, 32);

ZT_REGISTRO_TAMANHO(DF_LOCARM_ARQ, 77);
ZT_REGISTRO_CAMPO(DF_LOCARM_ARQ, szCodigo, 0, 10);
ZT_REGISTRO_CAMPO(DF_LOCARM_ARQ, szDescricao, 10, 66);
ZT_REGISTRO_CAMPO(DF_LOCARM_ARQ, cTipo, 76, 1);

// The 160-byte record of an old one: the first 20 bytes as they are, the code into the start of
// the 40-character field, the description to its new place; everything else zero.
[[nodiscard]] QD_LOCARQ_ARQ QDLocArqDeLocArq1(const QD_LOCARQ_ARQ_1& antigo);

// The 128-byte record of a legacy one: zero but for the code (at most 9 characters), the
// description (at most 65) and the group flag for type letter 'G'.
[[nodiscard]] QD_LOCARQ_ARQ_1 QDLocArq1DeLegado(const DF_LOCARM_ARQ& legado);
