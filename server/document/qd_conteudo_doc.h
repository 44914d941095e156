// The content files of documents as the document operations use them: the session's content
// settings (folder, encryption, key), a deletion for which a missing file counts as deleted, and
// the renaming that keeps a content file's name in step with its document's original name.
//
// A content file's name carries the extension of the document's original file name
// (server/content/qd_nome_conteudo.h), so a rewrite that changes that extension must rename the
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

// Renames the content file of the document at `lPosicao` from the name made with `nomeAntigo` to
// the one made with `nomeNovo`. Nothing happens when both names are the same or when the old
// file does not exist; a file already under the new name belongs to no document (the record
// names the old one) and is replaced. S_OK or the Win32 error's HRESULT.
[[nodiscard]] platform::HRESULT QDRenomeiaConteudo(const char* diretorio, std::uint32_t lPosicao,
                                                   std::string_view nomeAntigo, std::string_view nomeNovo);
