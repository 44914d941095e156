// Deleting documents: the body of IZTQD_Srv::ExcluiDoc and the deletion that the link methods
// use for documents whose origins were deleted.
//
// A deleted document keeps its record with QD_DOC_EXCLUIDO set; its neighbours in the version
// chain are joined around it, its content file is deleted (unless it was stored without one),
// its location gets the place back and one QD_OP_LOG_DOC_EXCLUSAO entry per document is logged.
// The whole list is checked before anything changes; a document already deleted is passed over
// (nothing changes, nothing is logged), and a content file already missing counts as deleted.
// QDDOC.DAT is held in mode 'G' for the whole call. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/document/qd_sessao_docs.h"

#include <cstdint>
#include <span>

// Deletes the documents `posicoes`, in order; with `bExcluiVinculos` their links are removed
// first through the object's ExcluiVinculoDoc. S_OK (also when every document was deleted
// already) or the log write's result; E_INVALIDARG, before anything changes, for position 0 or a
// position past the last record; 0x80040000 | the record-file code of the first failing read or
// write (a version neighbour or location that cannot be read included); the link removal's
// result; the Win32 HRESULT of a content file that cannot be deleted. The documents handled
// before a failure stay deleted and the batch is not sent.
[[nodiscard]] platform::HRESULT QDExcluiDocs(const QDSessaoDocs& sessao, std::span<const std::uint32_t> posicoes,
                                             bool bExcluiVinculos);

// ExcluiDoc: QDExcluiDocs of the `qtd` positions of `pPos` with their links. E_INVALIDARG for a
// null list with qtd > 0.
[[nodiscard]] platform::HRESULT QDExcluiDoc(const QDSessaoDocs& sessao, std::uint32_t qtd, const std::uint32_t* pPos);
