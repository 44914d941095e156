// Searching documents by filter: the body of IZTQD_Srv::BuscaPtrsDoc.
//
// One sequential pass over QDDOC.DAT, in windows of many records (zt_leitor_registros.h), from the
// filter's first position (1 when 0) to its last (the record count, or lPosDocFim when that is set
// and smaller); with a position list, only those positions, ascending (positions 0 or outside the
// range are skipped).
// Every document the search may return (qd_exclusoes_doc.h) is tested against the filter's
// criteria in this order: the record's own (qd_criterios_registro.h), the type list, the access
// rule (hidden documents are skipped in both modes), the description words, the location, the
// field conditions (qd_condicoes_campos.h).
//   - Strict mode: every set criterion must be met; the positions come back ascending.
//   - Scored mode (filter bit 0x1): each criterion met scores (1 point, or the word hits of the
//     description and text fields); a document that scores nothing is dropped unless the filter
//     sets no criterion at all (CQDDocFiltro::IsEmpty); the positions come back by score, highest
//     first, equal scores in ascending positions.
//   - The type list is required in both modes: a document whose type the list does not admit
//     (qd_codigos_admitidos.h) is never returned; one it admits scores 1.
//   - Location: the filter's location itself scores 1; when it is a group, so does every location
//     whose code begins with the group's code; any other location fails.
//   - A filter location, or a listed type other than 0, past the end of its file ends the call with
//     the read's 16021 in both modes, before any document is read.
//
// Speed: the types and locations are read once per call, not once per document; the user lists
// go through one CQDAcessoDoc whose files stay open for the whole pass, read in windows too;
// descriptions come through a read-ahead window (qd_leitor_descricoes.h) and field runs into a
// buffer reused from one document to the next. Files are opened in mode 'L' (created when
// missing) and closed when the call returns. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/search/qd_docs_pontuados.h"
#include "server/search/qd_sessao_busca.h"

// Checks the filter's arrays: S_OK, or E_POINTER for a count whose array is null (the type list,
// the position list or the field conditions).
[[nodiscard]] platform::HRESULT QDVerificaFiltroDoc(const QD_DOC_FILTRO_PS& filtro);

// The documents that pass `filtro` for the session, as (position, score) in result order, into
// `lista` (emptied first). S_OK; E_POINTER as QDVerificaFiltroDoc; 0x80040000 | the record-file
// code of the first failing read; the clock's failure (expiry test). `lista` is empty on failure.
[[nodiscard]] platform::HRESULT QDBuscaPontuadosDoc(const QDSessaoBusca& sessao, const QD_DOC_FILTRO_PS& filtro,
                                                    QDDocsPontuados& lista);

// The same as positions into `*pRegPtrs`, which is zeroed first: the count and a task-allocator
// array that becomes the caller's (null when nothing passes). E_POINTER for a null pRegPtrs;
// otherwise the results of QDBuscaPontuadosDoc, or E_OUTOFMEMORY. On failure `*pRegPtrs` stays
// zeroed.
[[nodiscard]] platform::HRESULT QDBuscaPtrsDoc(const QDSessaoBusca& sessao, const QD_DOC_FILTRO_PS& filtro,
                                               QD_ARRAY_PONTEIROS_PS* pRegPtrs);
