// The bytes of the operations log QDLOG.DAT: a byte file (R = 1) whose byte 0 is the layer's
// header and whose entries follow one another from byte 1 on, without gaps or separators.
//
// An entry is a 40-byte header, `cbLogData` data bytes, then `nQtdPtrs` items, each an 8-byte
// item header followed by its `cbData` bytes. All numbers are little-endian (record_layout.h).
// Declarations only.
#pragma once

#include "platform/idl/wire_limits.h"
#include "server/record_file/record_layout.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// The header of one log entry.
struct QD_LOG_ARQ {
    std::uint32_t dataGravacaoLog; // moment of writing (unsigned seconds since 1970)
    std::uint32_t cbLogData;       // data bytes after the header
    std::uint32_t nQtdPtrs;        // items after the data
    std::uint16_t eOperacao;       // QD_E_OPERACAO_LOG, cut to 16 bits
    std::uint16_t iUsuario;        // user of the session that wrote the entry
    std::uint32_t lPosicao;        // record concerned (0 for the properties)
    std::uint8_t cReservado[20];   // zero
};

// The header of one item (ponteiro) of an entry.
struct QD_LOG_PTRS_ARQ {
    std::uint32_t eType;   // QD_E_TYPE_LOG_PTRS
    std::uint32_t cbData;  // bytes after this header
};
#pragma pack(pop)

ZT_REGISTRO_TAMANHO(QD_LOG_ARQ, 40);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, dataGravacaoLog, 0, 4);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, cbLogData, 4, 4);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, nQtdPtrs, 8, 4);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, eOperacao, 12, 2);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, iUsuario, 14, 2);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, lPosicao, 16, 4);
ZT_REGISTRO_CAMPO(QD_LOG_ARQ, cReservado, 20, 20);

ZT_REGISTRO_TAMANHO(QD_LOG_PTRS_ARQ, 8);
ZT_REGISTRO_CAMPO(QD_LOG_PTRS_ARQ, eType, 0, 4);
ZT_REGISTRO_CAMPO(QD_LOG_PTRS_ARQ, cbData, 4, 4);

// The most bytes one batch (and so one entry) may take. A batch reaches the server in one message
// of the interface, so no honest batch is larger; a reader that finds a larger entry knows the
// file is damaged before it allocates anything for it.
inline constexpr std::size_t kQDLogMaxBloco = platform::idl::kMaxMessageBytes;
// The largest entry the writer makes: a batch of that one entry, at the block's bound. A length
// that takes an entry beyond it is damage, never the torn tail of an append.
inline constexpr std::size_t kQDLogMaxEntrada = kQDLogMaxBloco;
