// BuscaVinculosDocByOrigem (busca: search): the documents linked to origins, as far as the
// session may see them.
//
// One entry per live link record whose process and key equal one of the given origins, in file
// order: a document linked twice appears twice. A document is left out when the access rule
// (server/document/qd_acesso_doc.h) hides it from the session. QDVINDOC.DAT, QDDOC.DAT, QDTPD.DAT,
// QDDOCUSU.DAT and QDTPDUSU.DAT are read (mode 'L') for the whole scan. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/document/qd_acesso_doc.h"
#include "server/idl/records.h"

#include <cstdint>
#include <span>
#include <vector>

class CZTArqEx;
class IQDArqBind;

// The positions of the documents linked to `origens` in the open QDVINDOC.DAT `vinculos` (any
// mode) that the session sees, into `docs` (emptied first). S_OK or 0x80040000 | the record-file
// code of the first failing open or read (16021 for a link to a position past QDDOC.DAT's end);
// `docs` is empty on failure.
[[nodiscard]] platform::HRESULT QDDocsDasOrigens(CZTArqEx& vinculos, IQDArqBind& bind, const QDSessaoAcesso& acesso,
                                                 std::span<const QD_ORIGEM_VINCULO_DOC_PS> origens,
                                                 std::vector<std::uint32_t>& docs);

// BuscaVinculosDocByOrigem: the positions into *pRegPtrs (an array from the task allocator, the
// caller's to free; null for none). S_OK; E_POINTER for a null pRegPtrs; E_INVALIDARG for a null
// list with qtd > 0; E_OUTOFMEMORY; the record-file failures as above. *pRegPtrs is empty on
// failure.
[[nodiscard]] platform::HRESULT QDBuscaVinculosDocByOrigem(IQDArqBind& bind, const QDSessaoAcesso& acesso,
                                                           std::uint32_t qtd, const QD_ORIGEM_VINCULO_DOC_PS* origem,
                                                           QD_ARRAY_PONTEIROS_PS* pRegPtrs);
