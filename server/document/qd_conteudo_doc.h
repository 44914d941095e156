// The content files of documents as the document operations use them: the session's content
// settings (folder, encryption, key), a deletion for which a missing file counts as deleted, the
// copy that keeps a content file's name in step with its document's original name, and the
// keeping of files that an inserted document would otherwise take over.
//
// A content file's name carries the extension of the document's original file name
// (server/content/qd_nome_conteudo.h), so a rewrite that changes that extension must move the
// file, or the content would be orphaned under its old name. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/content/qd_conteudo_documento.h"

#include <cstdint>
#include <string_view>

class CCrypto;
class IQDArqBind;

// The content settings of the session into `conteudo`: the data directory, the property
// bUsaEncriptacao read from QDMESTRE.DAT, and the key `pCrypto`. S_OK or
// 0x80040000 | the record-file code of the read (16055 for a missing QDMESTRE.DAT).
[[nodiscard]] platform::HRESULT QDConteudoDaSessao(IQDArqBind& bind, CCrypto* pCrypto, QDConteudoSessao& conteudo);

// Deletes the content file of the document at `lPosicao` named after `nomeOriginal`. S_OK, also
// when there is no such file (or no content folder); else the Win32 error's HRESULT.
[[nodiscard]] platform::HRESULT QDApagaConteudoExistente(const char* diretorio, std::uint32_t lPosicao,
                                                         std::string_view nomeOriginal);

// Copies the content file of the document at `lPosicao` from the name made with `nomeAntigo` to
// the one made with `nomeNovo`, through the new name's temporary file, so that the content lies
// under both names until the record names the new one and the old one is deleted. Nothing happens
// when both names are the same or when the old file does not exist; a file already under the new
// name belongs to no document (the record names the old one) and gives way. S_OK or the Win32
// error's HRESULT.
[[nodiscard]] platform::HRESULT QDCopiaConteudo(const char* diretorio, std::uint32_t lPosicao, std::string_view nomeAntigo,
                                                std::string_view nomeNovo);

// Before an insert at `lPosicao`: a file in "Docs" that a document at that position could name
// (its name stem, a dot, an extension without a dot) belongs to no document (its record was lost,
// say, with the end of a damaged QDDOC.DAT). Each such file is kept under the first free name
// "<name>.001" to "<name>.999", and the event log says where. S_OK, also without a content folder;
// 0x800700B7 when all 999 names of a file are taken (that file stays); else the Win32 error's
// HRESULT of the listing or a rename.
[[nodiscard]] platform::HRESULT QDGuardaConteudosDaPosicao(const char* diretorio, std::uint32_t lPosicao);
