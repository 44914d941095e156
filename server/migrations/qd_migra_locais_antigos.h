// The third one-time conversion: the locations of the base module's DFLOCARM.DAT appended to
// QDLOCARQ.DAT (mark: bFlags 0x8).
//
// The import writes records in the layout QDLOCARQ.DAT has when it runs: 128-byte records before
// the location record conversion, 160-byte ones after it (iVersaoSistema not 0). Its progress is
// kept in the header of QDLOCARQ.DAT (QD_LOCARQ_IMPORTACAO_ARQ, written before the first append
// and again after the last), so a run that dies part-way continues where it stopped and one that
// dies before its mark appends nothing twice. It takes the database lock; while another process
// holds it the import waits for a later start (the session opens without it). The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/migrations/qd_assinatura_conversao.h"
#include "server/migrations/qd_locarq_antigo.h"
#include "server/record_file/record_layout.h"

#include <cstddef>
#include <cstdint>

class CQDContextoMigracao;

#pragma pack(push, 1)
// The import's progress (importação: import) in the reserved bytes of QDLOCARQ.DAT's header.
struct QD_LOCARQ_IMPORTACAO_ARQ {
    char szMarca[8];           // QD_MARCA_IMPORTACAO once the import has begun
    std::uint32_t lBase;       // the record count of QDLOCARQ.DAT when it began
    std::uint32_t bConcluida;  // 1 once every legacy record is in
};
#pragma pack(pop)
ZT_REGISTRO_TAMANHO(QD_LOCARQ_IMPORTACAO_ARQ, 16);
ZT_REGISTRO_CAMPO(QD_LOCARQ_IMPORTACAO_ARQ, szMarca, 0, 8);
ZT_REGISTRO_CAMPO(QD_LOCARQ_IMPORTACAO_ARQ, lBase, 8, 4);
ZT_REGISTRO_CAMPO(QD_LOCARQ_IMPORTACAO_ARQ, bConcluida, 12, 4);

inline constexpr char QD_MARCA_IMPORTACAO[8] = {'D', 'F', 'L', 'O', 'C', 'A', 'R', 'M'};
// Where the progress lies in the header: after the fields of the 128-byte layout; after the
// conversion's signature in the 160-byte one.
inline constexpr std::uint32_t QD_OFFSET_IMPORTACAO_128 = offsetof(QD_LOCARQ_ARQ_1, cReservado);
inline constexpr std::uint32_t QD_OFFSET_IMPORTACAO_160 = QD_FIM_ASSINATURA_LOCARQ;
static_assert(QD_OFFSET_IMPORTACAO_128 + sizeof(QD_LOCARQ_IMPORTACAO_ARQ) <= sizeof(QD_LOCARQ_ARQ_1));
static_assert(QD_OFFSET_IMPORTACAO_160 + sizeof(QD_LOCARQ_IMPORTACAO_ARQ) <= sizeof(QD_LOCARQ_ARQ));

// Runs the import when its mark is unset and the database lock can be had, then sets the mark. A
// company whose base module has no data folder, or no DFLOCARM.DAT in it, has nothing to import
// and is marked at once. S_OK (also when the lock was busy: nothing done); or the first failure:
// the properties, an open, read or write of either file (0x80040000 | code; 16098 for a header
// whose progress claims more records than the file holds), or the mark.
[[nodiscard]] platform::HRESULT QDMigraLocaisAntigos(CQDContextoMigracao& contexto);
