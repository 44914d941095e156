// The live origins of documents, read from QDVINDOC.DAT: of one document, of a chosen set of
// documents, or of every document, each in one pass over the file.
//
// A document's origins come in file order; removed links are skipped. A scan covers the records
// the file held when it began (a bounded loop over the file's own count). The functions on an
// open CZTArqEx leave it open for the caller's further scans; the ones on a bind open
// QDVINDOC.DAT in mode 'L' (created when missing) for the call. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

class CZTArqEx;
class IQDArqBind;

// The origins (process, key) of one document's live links, in file order.
using QDOrigensVinculo = std::vector<QD_ORIGEM_VINCULO_DOC_PS>;
// Document position -> its origins; a document without live links has no entry.
using QDOrigensPorDoc = std::unordered_map<std::uint32_t, QDOrigensVinculo>;

// The origins of the document `lPosDoc` into `origens` (emptied first). 0 or the record-file
// code of the failing read (`origens` is then empty).
[[nodiscard]] int QDLeOrigensDoc(CZTArqEx& vinculos, std::uint32_t lPosDoc, QDOrigensVinculo& origens);

// The origins of every document of `docs` (repeats allowed) into `mapa` (emptied first), in one
// pass. 0 or the failing read's code (`mapa` is then empty).
[[nodiscard]] int QDLeOrigensDocs(CZTArqEx& vinculos, std::span<const std::uint32_t> docs, QDOrigensPorDoc& mapa);

// The origins of every document in the file into `mapa` (emptied first), in one pass. 0 or the
// failing read's code (`mapa` is then empty).
[[nodiscard]] int QDLeOrigensTodosDocs(CZTArqEx& vinculos, QDOrigensPorDoc& mapa);

// The same as QDLeOrigensTodosDocs on the session's QDVINDOC.DAT. S_OK or
// 0x80040000 | the record-file code.
[[nodiscard]] platform::HRESULT QDLeOrigensTodosDocs(IQDArqBind& bind, QDOrigensPorDoc& mapa);
