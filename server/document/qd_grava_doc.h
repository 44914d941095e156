// GravaDoc (grava: writes): inserts or rewrites a document with its users, field values,
// description and content, keeps the archive locations' free places and the version chain, and
// logs the change.
//
// The writes go in this order: an insert's files left in "Docs" under its position kept aside,
// location counts, users, field values, description, the content file (written whole under a
// temporary name, then renamed into place), the document record, its log entry, the previous
// version's link, a rewrite's content under an old name deleted, then the log batch. So a record
// never names a content that is not complete, even when the process dies on the way. A failing
// step ends the call with its result; what was written before stays (there is no rollback) and
// the batch is not sent. Everything that can be checked is checked before the first write: the
// client's lists, an insert's version links. QDDOC.DAT is held in mode 'G' for the whole call, so
// a second writer waits. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/document/qd_sessao_docs.h"
#include "server/idl/records.h"

#include <cstdint>

// Bits of GravaDoc's dwFlags: the parts written. A part left out keeps what is stored (a rewrite)
// or stays empty (an insert); its count never comes from the client.
inline constexpr std::uint32_t QD_GRAVADOC_USUARIOS = 0x1;
inline constexpr std::uint32_t QD_GRAVADOC_CAMPOS = 0x2;
inline constexpr std::uint32_t QD_GRAVADOC_CONTEUDO = 0x4;
inline constexpr std::uint32_t QD_GRAVADOC_DESCRICAO = 0x8;

// Writes the document `ps` at `*pPos` (0 inserts after the last whole record) and returns its
// position in `*pPos` as soon as the record is written. A rewrite that changes the extension of
// the original file name moves the stored content file with it (or removes the old one when the
// call writes new content).
// S_OK or the log write's result; E_POINTER for a null pPos; E_INVALIDARG, before anything is
// written, for a list or content whose count promises elements behind a null pointer, a count or
// text beyond 2^31 - 1, and an insert with a next version, or with a previous version that does
// not exist, is deleted or already has a next version; 0x80040000 | the record-file code of the
// first failing read or write (16021 for a rewrite of position 0 or past the last record, for a
// stored user list that does not lie inside its file, and for an insert into a location that
// cannot be read); 0x800700B7 when a file left under the insert's position cannot be kept (all
// 999 names taken); the content file's or the clock's failure. A stored field run or text that
// does not lie inside its file is not rewritten in place but moved to the end.
[[nodiscard]] platform::HRESULT QDGravaDoc(const QDSessaoDocs& sessao, std::uint32_t* pPos, const QD_DOC_PS& ps,
                                           std::uint32_t dwFlags);
