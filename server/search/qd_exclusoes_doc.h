// The bits of a document filter (QD_DOC_FILTRO_PS::dwFlags) and the documents that a search never
// returns, whatever it looks for: deleted ones, those of a branch the session does not work in,
// and those the filter's exclusion bits leave out.
//
// Branches: a document of branch 0 belongs to none and is never left out for it; any other branch
// must be active in the session's 1,002-byte table, whose flags cover branches 0 to 999 only, so
// a branch above 999 counts as inactive (the table is never read past its end).
// Expiry (bit 0x8): a document with a validity date (not 0) before today is left out; both are
// day counts from 1950 (qd_hoje_1950.h). Pure; safe from any thread.
#pragma once

#include "outside/conexo/filiais_ativas.h"
#include "server/document/qd_doc_arq.h"

#include <cstdint>

// Bits of QD_DOC_FILTRO_PS::dwFlags.
inline constexpr std::uint32_t QD_FILTRO_DOC_QUALQUER = 0x1;          // any criterion scores (else all required)
inline constexpr std::uint32_t QD_FILTRO_DOC_SEM_ANTIGAS = 0x2;       // leave out versions that have a newer one
inline constexpr std::uint32_t QD_FILTRO_DOC_SO_WEB = 0x4;            // only documents open to web access
inline constexpr std::uint32_t QD_FILTRO_DOC_SEM_VENCIDOS = 0x8;      // leave out expired documents
inline constexpr std::uint32_t QD_FILTRO_DOC_SEM_ESTADO_EXTRA = 0x10; // leave out documents with flag 0x8

// Whether branch `iFilial` is active in `filiais`; false beyond the table's last branch.
[[nodiscard]] bool QDFilialAtiva(const FILIAIS_ATIVAS& filiais, std::uint16_t iFilial);

// Whether the search leaves `doc` out, for the filter bits `dwFlags`, the session's branches and
// today `hoje` (a day count from 1950).
[[nodiscard]] bool QDDocExcluidoDaBusca(const QD_DOC_ARQ& doc, std::uint32_t dwFlags, const FILIAIS_ATIVAS& filiais,
                                        std::int32_t hoje);
