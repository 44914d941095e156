// The stored content of one document: read it, write it, delete it, encrypted or not as the
// module's properties say.
//
// The content lies in the data directory's "Docs" under the name made from the document's
// position and original file name (qd_nome_conteudo.h). With encryption on, the file holds the
// cipher text of the content wrapped in a byte array (CCrypto). Results are HRESULTs: the file
// layer's (qd_arquivo_conteudo.h), or the crypto error as an HRESULT. Used on the server's one
// thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <string_view>

class CCrypto;

// What a session knows about its contents: where they lie and whether they are encrypted.
struct QDConteudoSessao {
    CZTString strDiretorio;          // the module's data directory of the company
    bool bUsaEncriptacao = false;    // the property bUsaEncriptacao
    CCrypto* pCrypto = nullptr;      // the session's content key; needed when encryption is on
};

// Reads the content of the document at `lPosicao` into a new task-allocator buffer (freed by the
// caller with CoTaskMemFree). S_OK; E_POINTER for null results; E_UNEXPECTED when encryption is
// on without a key object; 0x80070000 | ERROR_PATH_NOT_FOUND without a data directory; the file
// layer's or the crypto error's HRESULT. Nothing is handed out on failure.
[[nodiscard]] platform::HRESULT QDLeConteudoDocumento(const QDConteudoSessao& sessao, std::uint32_t lPosicao,
                                                      std::string_view nomeOriginal, void** ppBuffer,
                                                      std::uint32_t* pTamanho);

// Writes `tamanho` bytes as the content of the document at `lPosicao`, encrypted when the
// session says so. The content is encrypted first and written whole under its temporary name,
// then renamed to the content file's name (qd_conteudo_provisorio.h): a failure or a crash on the
// way leaves the stored content as it was. Results as QDLeConteudoDocumento (E_POINTER for null
// bytes with a size).
[[nodiscard]] platform::HRESULT QDGravaConteudoDocumento(const QDConteudoSessao& sessao, std::uint32_t lPosicao,
                                                         std::string_view nomeOriginal, const void* pBuffer,
                                                         std::uint32_t tamanho);

// Deletes the content file of the document at `lPosicao`. S_OK or the Win32 error's HRESULT.
[[nodiscard]] platform::HRESULT QDApagaConteudoDocumento(const QDConteudoSessao& sessao, std::uint32_t lPosicao,
                                                         std::string_view nomeOriginal);
