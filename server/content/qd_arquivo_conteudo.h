// Content files: opening, reading whole, writing whole and deleting one stored content file.
//
// Each caller opens the file, acts and closes it. Writing ('G') opens for reading and writing,
// unshared, creating a missing file and keeping an existing one; reading ('L') opens an existing
// file read-only and lets others read it too. So a writer fails at once with the sharing
// violation while anyone has the file open, and readers exclude writers. Results are HRESULTs:
// 0x80070000 | the Win32 error of a file failure. Paths are Windows-1252. One thread per File.
#pragma once

#include "platform/file/file.h"
#include "platform/hresult.h"
#include "server/content/zt_byte_array.h"

#include <cstdint>

// Opens `caminho` in mode `cModo` into `arquivo` (which must be closed): 'G' to write, 'L' to
// read. S_OK; E_INVALIDARG for another mode letter; the Win32 error's HRESULT otherwise (the file
// stays closed).
[[nodiscard]] platform::HRESULT QDAbreArquivoConteudo(const char* caminho, char cModo, platform::File& arquivo);

// Reads the whole open file into a new task-allocator buffer (the caller frees it with
// CoTaskMemFree) and its size. S_OK; E_OUTOFMEMORY when no buffer can be had;
// 0x80070000 | ERROR_FILE_TOO_LARGE beyond 4 GiB - 1 bytes; 0x80070000 | ERROR_HANDLE_EOF when
// the file gave fewer bytes than its length; the file error's HRESULT. Nothing is handed out on
// failure.
[[nodiscard]] platform::HRESULT QDLeArquivoConteudo(platform::File& arquivo, void** ppBuffer, std::uint32_t* pTamanho);

// Reads the whole open file into `bytes`, with the results of QDLeArquivoConteudo.
[[nodiscard]] platform::HRESULT QDLeArquivoInteiro(platform::File& arquivo, CZTByteArray& bytes);

// Writes `tamanho` bytes from the start of the open file and cuts it there. S_OK or the file
// error's HRESULT.
[[nodiscard]] platform::HRESULT QDGravaArquivoConteudo(platform::File& arquivo, const void* pBuffer, std::size_t tamanho);

// Writes all `tamanho` bytes at the open file's position, nothing more. S_OK or the file error's
// HRESULT.
[[nodiscard]] platform::HRESULT QDGravaBytes(platform::File& arquivo, const void* pBuffer, std::size_t tamanho);

// Deletes the content file `caminho`. S_OK or the Win32 error's HRESULT.
[[nodiscard]] platform::HRESULT QDApagaArquivoConteudo(const char* caminho);

// The Win32 error that a file exception carries (ERROR_GEN_FAILURE when it carries none).
[[nodiscard]] platform::Win32Error QDErroDoArquivo(const platform::FileException& excecao);
