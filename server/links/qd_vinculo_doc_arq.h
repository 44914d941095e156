// QD_VINCULO_DOC_ARQ (vínculo: link): one link between a document and an origin record of
// another module, as stored in QDVINDOC.DAT.
//
// On disk the document comes first, then the origin (process and key), unlike the interface
// record QD_VINCULO_DOC_PS. A removed link keeps its record with the mark QD_VINCULO_REMOVIDO;
// records are never compacted or reused, and every scan skips a record whose mark is not
// QD_VINCULO_VIVO. Plain bytes; safe from any thread.
#pragma once

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/record_layout.h"

#include <cstdint>

// Values of QD_VINCULO_DOC_ARQ::lExcluido.
inline constexpr std::uint32_t QD_VINCULO_VIVO = 0;      // live
inline constexpr std::uint32_t QD_VINCULO_REMOVIDO = 1;  // removed

#pragma pack(push, 1)
struct QD_VINCULO_DOC_ARQ {
    std::uint32_t lPosDoc;    // position of the document in QDDOC.DAT
    std::uint32_t eProc;      // process of the origin (QD_E_PROCESSO)
    std::uint32_t lChave;     // key of the origin record
    std::uint32_t lExcluido;  // QD_VINCULO_VIVO or QD_VINCULO_REMOVIDO
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_VINCULO_DOC_ARQ, 16);
ZT_REGISTRO_CAMPO(QD_VINCULO_DOC_ARQ, lPosDoc, 0, 4);
ZT_REGISTRO_CAMPO(QD_VINCULO_DOC_ARQ, eProc, 4, 4);
ZT_REGISTRO_CAMPO(QD_VINCULO_DOC_ARQ, lChave, 8, 4);
ZT_REGISTRO_CAMPO(QD_VINCULO_DOC_ARQ, lExcluido, 12, 4);
QD_LIGA_REGISTRO_ARQUIVO(QD_VINCULO_DOC_ARQ, QD_ARQ_VINCULO_DOC);
