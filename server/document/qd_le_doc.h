// LeDoc (lê: reads): documents with their users, field values, link origins, description and
// content, read by position into the caller's array.
//
// dwFlags bits leave parts out (QD_LEDOC_SEM_...); a part left out, or empty, comes back with
// count 0 and a null pointer (a null BSTR for the description), so dwFlags 0x1F allocates
// nothing at all. Deleted documents come back like any other (the caller sees their flag), but
// without content, as does a document stored without content (flag 0x4): there is no file to
// read. The content is decrypted when the company's contents are encrypted. The server's one
// thread.
#pragma once

#include "platform/hresult.h"
#include "server/document/qd_sessao_docs.h"
#include "server/idl/records.h"

#include <cstdint>

// Bits of LeDoc's dwFlags: the parts left out.
inline constexpr std::uint32_t QD_LEDOC_SEM_USUARIOS = 0x1;
inline constexpr std::uint32_t QD_LEDOC_SEM_CAMPOS = 0x2;
inline constexpr std::uint32_t QD_LEDOC_SEM_VINCULOS = 0x4;
inline constexpr std::uint32_t QD_LEDOC_SEM_CONTEUDO = 0x8;
inline constexpr std::uint32_t QD_LEDOC_SEM_DESCRICAO = 0x10;

// Fills pDoc[0..qtd-1] from the documents at pPos[0..qtd-1], in order. Every entry is zeroed
// first. S_OK; E_POINTER for a null array with qtd > 0; E_OUTOFMEMORY as soon as the reply would
// pass one message (kMaxMessageBytes: for a `qtd` whose records alone pass it, before anything is
// read; else once the document that passes it is read), with every entry zero; 16021 |
// 0x80040000 for position 0 or a position past the last record; the record-file, content or
// allocation failure of the first entry that fails. On another failure the entries before the
// failing one stay filled (their arrays and texts are the caller's to free, as on success) and
// the failing entry and those after it are zero, owning nothing.
[[nodiscard]] platform::HRESULT QDLeDoc(const QDSessaoDocs& sessao, std::uint32_t qtd, const std::uint32_t* pPos,
                                        QD_DOC_PS* pDoc, std::uint32_t dwFlags);
