// Adding document links: AdicionaVinculoDoc, which also links the document to the origins related
// to the new link's origin (qd_origens_relacionadas.h) and to the origin its origin key names,
// and AtualizaVinculoDoc, which links every document of an origin to the origin's related ones.
//
// A link is appended to QDVINDOC.DAT unless the same live link is there; a link is never revived
// (removed records stay removed). Each operation holds QDVINDOC.DAT in mode 'G' from its first
// step to its last and adds every link through that one open file: a second deny-write open in
// the same process would be refused. A failure after the first append leaves the links added
// before it. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/links/qd_sessao_vinculos.h"

#include <cstdint>

class CZTArqEx;

// The success status of an add that found the same live link: "already linked".
inline constexpr platform::HRESULT QD_S_VINCULO_EXISTENTE = 0x0004068B;

// Adds the link {lPosDoc, origem} to the open QDVINDOC.DAT `vinculos` (mode 'G'), without looking
// for related origins. S_OK; QD_S_VINCULO_EXISTENTE (nothing appended) when a live link has the
// same document, process and key; 0x80040000 | the record-file code of a failing read or append.
[[nodiscard]] platform::HRESULT QDAdicionaUmVinculo(CZTArqEx& vinculos, std::uint32_t lPosDoc,
                                                    const QD_ORIGEM_VINCULO_DOC_PS& origem);

// AdicionaVinculoDoc: adds `vinculo`; then, unless it existed, the links of its document to the
// origins related to its origin (one already there is passed over) and, when `dmc` is a valid
// origin key, to the origin of the key's module's process (QDGetProcessoFromZTDMC) whose key is
// the month/key value of the key's record key and the low 16 bits of its period read as a date.
// S_OK; QD_S_VINCULO_EXISTENTE only when `vinculo` itself existed (nothing else is added then);
// E_INVALIDARG for document 0 (before anything is stored) and for a valid key whose module has
// no process (after the other links were added); the open's, a record's or a related server's
// failure.
[[nodiscard]] platform::HRESULT QDAdicionaVinculoDoc(const QDSessaoVinculos& sessao, const QD_VINCULO_DOC_PS& vinculo,
                                                     const REG_ZTDMC& dmc);

// AtualizaVinculoDoc: links every document of `origem` that the session sees to each origin
// related to `origem`; a link already there is passed over. S_OK, or the first failure of the
// listing, the related servers or an add.
[[nodiscard]] platform::HRESULT QDAtualizaVinculoDoc(const QDSessaoVinculos& sessao, const QD_ORIGEM_VINCULO_DOC_PS& origem);
