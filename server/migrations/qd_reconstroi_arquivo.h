// Rebuilding (reconstruir) a whole record file: its records converted one by one, in order, into a
// new copy that then takes the file's name. Shared by the document-file rebuild and the location
// record conversion.
//
// The steps, under the database lock that the caller holds:
//   1. the leftovers of a run that died are cleared (qd_sobras_conversao.h);
//   2. the main file is opened in mode 'G' (created through the control list when it never
//      existed) and held so, deny-write, until the copy has its name: no writer of this process
//      or another changes it during the copy or between the renames;
//   3. a main file that already carries the conversion's signature is left alone (converted
//      before, its mark lost);
//   4. the copy is created fresh in mode 'C' (a stale one could shift every position), gets the
//      converted header, every record from 1 to the count appended at its own position, and last
//      the header with the signature; it is flushed to the disk and closed;
//   5. the main file is renamed to the original's name and the copy to the main file's; when the
//      second rename fails, the original gets its name back.
// The original is left for the caller (deleted or kept). The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/migrations/qd_contexto_migracao.h"
#include "server/migrations/qd_sobras_conversao.h"

#include <cstdint>

struct QDReconstrucao {
    QDArquivosConversao arquivos;
    std::uint32_t nTamOrigem;   // record size of the main file as it is
    std::uint32_t nTamDestino;  // record size of the copy
    // Converts record `posicao` (0: the header) of nTamOrigem bytes into `destino`, nTamDestino
    // bytes that arrive zeroed.
    void (*converte)(std::int32_t posicao, const std::uint8_t* origem, std::uint8_t* destino);
};

enum class QDEstadoReconstrucao {
    Reconstruido,    // converted now; the original lies under its name
    JaReconstruido,  // the main file carried the signature: nothing was done
};

// Runs the steps above. S_OK with `estado`; the failing open, read or write as
// 0x80040000 | record-file code (16098 when an appended record does not land at its position);
// or a failing rename's OS error | 0x80040000. On failure the main file keeps its name and bytes;
// should even its rename back fail, it lies under the original's name, from which the next run
// restores it.
[[nodiscard]] platform::HRESULT QDReconstroiArquivo(CQDContextoMigracao& contexto, const QDReconstrucao& reconstrucao,
                                                    QDEstadoReconstrucao& estado);
