// The fourth one-time conversion: QDLOCARQ.DAT from 128-byte to 160-byte location records, and the
// first code masks in QDLOCMSC.DAT (mark: iVersaoSistema not 0).
//
// The rebuild (qd_reconstroi_arquivo.h) converts every record, the header included, into
// QDLOCARQ.V01, renames QDLOCARQ.DAT to QDLOCARQ.V00 (kept) and QDLOCARQ.V01 to QDLOCARQ.DAT.
// QDLOCMSC.DAT is then created with ten masks "1.222.333" at positions 0 to 9. The server's thread.
#pragma once

#include "platform/hresult.h"

class CQDContextoMigracao;
class CZTArqEx;

inline constexpr char QD_ARQ_LOCARQ_ANTIGO[] = "QDLOCARQ.V00";
inline constexpr char QD_ARQ_LOCARQ_NOVO[] = "QDLOCARQ.V01";

// Runs the conversion when the data version is 0, then writes the masks and sets the version.
// S_OK; the database lock's answer as an HRESULT (0x80040000 | 17396 while another process holds
// it: 128-byte records are never served as 160-byte ones, so the session does not open); or the
// first failure of the rebuild, the masks (0x80040000 | code) or the mark.
[[nodiscard]] platform::HRESULT QDMigraConverteLocais(CQDContextoMigracao& contexto);
