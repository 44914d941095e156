// What the other modules tell the server about their records: an origin changed
// (NotificaAlteracaoOrigem), carrying its values into the documents linked to it, or an origin
// was deleted (NotificaExclusaoOrigem), removing its links and, when the properties allow it,
// the documents it leaves without any origin. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/links/qd_sessao_vinculos.h"

// NotificaAlteracaoOrigem: every document linked to `origem` that the session sees (each once,
// in link order) is read without users, links and content, and each of its values that equals
// the origin's old value takes the new one: branch, issue date, location number, description
// (compared as wide text; a null description counts as empty) and each field value equal to
// `antigo`'s value for the same field identifier (a field `novo` does not carry is left as it
// is). Each document is written back with its fields and description only, so its users,
// content and other runs stay as stored. S_OK or the first failure of the listing, a read or a
// write (the documents written before it stay written).
[[nodiscard]] platform::HRESULT QDNotificaAlteracaoOrigem(const QDSessaoVinculos& sessao,
                                                          const QD_ORIGEM_VINCULO_DOC_PS& origem, const QD_DOC_PS& novo,
                                                          const QD_DOC_PS& antigo);

// NotificaExclusaoOrigem: removes every live link of `origem` (QDVINDOC.DAT held in mode 'G'
// meanwhile); when the properties' bExcluiDocumentoRegistrado is on, the documents that lost a
// link and have no live link left are deleted (server/document/qd_exclui_doc.h). S_OK;
// E_INVALIDARG for key 0, which names no record (nothing is removed); otherwise the first
// failure of the removal, the properties' read or the deletion (the links removed before it stay
// removed).
[[nodiscard]] platform::HRESULT QDNotificaExclusaoOrigem(const QDSessaoVinculos& sessao,
                                                         const QD_ORIGEM_VINCULO_DOC_PS& origem);
