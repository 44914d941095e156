// The quick search: the body of IZTQD_Srv::BuscaRapida. A free text (words, "quoted phrases";
// CQDTokenMngr) is looked for in the texts of every document the session may see: its own
// (CQDDoc::ToStringQS: description, file name, text fields, location number), the texts of its
// link origins ("<process name> - <formatted key>"), its location's code and description, and its
// type's code, name and search-field names. Accents are folded on both sides (ZTRetiraAcentos):
// "acao" finds "Ação" and "ação" finds "ACAO". A document is returned when every word was found
// in some text of it; its score is the number of hits; the positions come back by score, highest
// first, equal scores in ascending positions.
//
// How: one pass over QDDOC.DAT in windows of many records applies the exclusions and the access
// rule of BuscaPtrsDoc with an empty filter (with the web bits 0x6 when bAcessoWeb is not 0), and
// scores each visible document as it is met. The texts many documents share are counted once per
// search: every type's and location's (qd_textos_referencia.h), every link origin's, formatted for
// the whole pass (CQDFormatadorChaves). A document's own texts from QDDOCDSC.DAT and QDDOCCMP.DAT
// come folded and lower-cased from the folder's text cache (qd_cache_textos_busca.h, which says
// when it is trusted), or are read and kept there; those of its record are counted as read. Words
// are counted as the word filter counts them (qd_palavras_busca.h), the file texts last, only while
// every word is still possible. Failures answer what the listing-then-scoring scan gave: a record
// or access failure at once, a text failure once the pass is over. Keys are formatted through the
// account-plan connection of the session's company, opened with error handling and messages off;
// it only shapes key texts, so a plan that cannot be opened leaves the keys in their plain forms
// rather than failing the search. Memory per search stays bounded by the positions found and the
// positions with hits in shared texts. The server's one thread.
#pragma once

#include "platform/com/bstr.h"
#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/search/qd_docs_pontuados.h"
#include "server/search/qd_sessao_busca.h"

#include <cstdint>

// The documents that `bsBuscaRapida` finds, as (position, score) in result order, into `lista`
// (emptied first). S_OK, or the first failure of a read (`lista` is then empty). A text without
// words finds nothing.
[[nodiscard]] platform::HRESULT QDBuscaRapidaPontuados(const QDSessaoBusca& sessao, platform::BSTR bsBuscaRapida,
                                                       std::int32_t bAcessoWeb, QDDocsPontuados& lista);

// The same as positions into `*pRegPtrs`, which is zeroed first: the count and a task-allocator
// array that becomes the caller's (null when nothing is found). E_POINTER for a null pRegPtrs;
// otherwise the results above, or E_OUTOFMEMORY. On failure `*pRegPtrs` stays zeroed.
[[nodiscard]] platform::HRESULT QDBuscaRapida(const QDSessaoBusca& sessao, platform::BSTR bsBuscaRapida,
                                              std::int32_t bAcessoWeb, QD_ARRAY_PONTEIROS_PS* pRegPtrs);
