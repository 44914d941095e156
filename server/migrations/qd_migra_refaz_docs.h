// The second one-time conversion: QDDOC.DAT rebuilt with its validity dates as day counts from
// 1950, the scale the rest of the system keeps them in (mark: bFlags 0x2).
//
// The rebuild (qd_reconstroi_arquivo.h) copies every document to QDDOC.TMP at its own position,
// renames QDDOC.DAT to QDDOC.BAK and QDDOC.TMP to QDDOC.DAT, and deletes QDDOC.BAK. It takes the
// database lock, so that no other server process clears leftovers or rebuilds the file at the same
// time, and holds QDDOC.DAT deny-write throughout, which keeps every document writer out. The
// server's one thread.
#pragma once

#include "platform/hresult.h"

#include <cstdint>

class CQDContextoMigracao;

inline constexpr char QD_ARQ_DOC_BACKUP[] = "QDDOC.BAK";
inline constexpr char QD_ARQ_DOC_TEMPORARIO[] = "QDDOC.TMP";

// The validity date `dataCurta` (a short day number, not 0) as a day count from 1950. Never 0,
// which would mean "no expiry": a date before 1950, which has no count, becomes 1 (1 January 1950,
// expired as it was); a count beyond the 16-bit field becomes its last day.
[[nodiscard]] std::uint16_t QDValidadeDias1950(std::uint16_t dataCurta);

// Runs the rebuild when its mark is unset and then sets the mark. S_OK; the database lock's answer
// as an HRESULT (0x80040000 | 17396 while another process holds it: dates of two scales must never
// be mixed, so the session does not open); or the first failure of the rebuild, of deleting
// QDDOC.BAK (its OS error | 0x80040000), or of the mark.
[[nodiscard]] platform::HRESULT QDMigraRefazDocs(CQDContextoMigracao& contexto);
