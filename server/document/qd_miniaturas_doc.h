// GetThumbnailsDoc (miniaturas: thumbnails): one preview bitmap per document, drawn from its
// stored content by the extractor of the content's kind (server/thumbnail/thumbnail_extractor.h).
//
// The content is read where it lies in "Docs"; when the company's contents are encrypted it is
// decrypted and saved by the client library's CQDDoc::SaveToFile to a file of the temporary folder
// (ZTGetDiretorioTemp) that only the server's user may read, because the extractors read files.
// That file is removed before the next document is drawn, whatever happened, so no plain copy of
// an encrypted content outlives the call. An entry stays empty (cbThumbnail 0, pThumbnail null)
// for a deleted document, for one stored without content (flag 0x4: there is no file), for a
// kind without extractor and for a content that cannot be decoded. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/document/qd_sessao_docs.h"
#include "server/idl/records.h"

#include <cstdint>

// Fills *pArray with `qtd` entries, entry i the preview of the document at pPos[i] fitted inside
// `imgSize` (each entry a 56-byte bitmap header and its 32-bit rows, from CoTaskMemAlloc, as the
// array itself; the caller frees them). S_OK; E_POINTER for a null pArray, or a null pPos with
// qtd > 0; E_INVALIDARG for a size not 1..kMaxThumbnailSide on each side; E_OUTOFMEMORY as soon
// as the reply would pass one message (kMaxMessageBytes: for a `qtd` whose entries alone pass it,
// before anything is read; else before the bitmap that passes it is drawn); 16021 | 0x80040000
// for position 0 or a position past the last record; the record-file, content, temporary-file,
// extraction or allocation failure of the first document that fails. On failure *pArray is zero
// and nothing allocated by the call is left behind.
[[nodiscard]] platform::HRESULT QDGetThumbnailsDoc(const QDSessaoDocs& sessao, std::uint32_t qtd,
                                                   const std::uint32_t* pPos, const tagSIZE& imgSize,
                                                   QD_ARRAY_DOC_THUMBNAIL_PS* pArray);
