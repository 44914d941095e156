// The quick search as the server first did it, kept as the reference that the differential tests
// hold the server's search against: the visible documents listed by the object's own BuscaPtrsDoc
// with an empty filter, each record read again and every text of it read, folded and handed to the
// word filter on every search (its own texts, its link origins formatted on the spot, its location's
// and its type's). Nothing is kept between calls.
//
// Several searches are answered in one pass over the documents, each with a word filter of its own,
// so that hundreds of them stay cheap; each answer is the one that search alone gives.
#pragma once

#include "platform/hresult.h"
#include "server/search/qd_docs_pontuados.h"
#include "server/search/qd_sessao_busca.h"

#include <cstdint>
#include <string>
#include <vector>

// The documents that each of `textos` (Windows-1252 search texts) finds, as QDBuscaRapidaPontuados
// gives them, into `listas` (one per text). S_OK, or the first failure (then every list is empty).
[[nodiscard]] platform::HRESULT QDBuscaRapidaReferencia(const QDSessaoBusca& sessao, const std::vector<std::string>& textos,
                                                        std::int32_t bAcessoWeb, std::vector<QDDocsPontuados>& listas);
