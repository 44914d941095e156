// IQDOperacoesArquivo (operações de arquivo: file operations): the operations on whole files by
// name that the one-time conversions make: is a file there, rename it, delete it.
//
// They are one seam so that a test can make a given rename fail and see that no document is lost
// (the platform's renames are plain functions). QDOperacoesArquivoPadrao() is the platform's own
// and lives for the whole process. Used on the server's one thread.
#pragma once

#include "platform/file/file_error.h"
#include "platform/hresult.h"
#include "platform/text/string.h"

class IQDOperacoesArquivo {
public:
    virtual ~IQDOperacoesArquivo() = default;

    // Whether a file or folder is at `caminho`.
    [[nodiscard]] virtual bool Existe(const platform::String& caminho) = 0;
    // Renames `de` to `para`; never replaces an existing `para` (ERROR_ALREADY_EXISTS).
    [[nodiscard]] virtual platform::FileError Renomeia(const platform::String& de, const platform::String& para) = 0;
    // Deletes the file `caminho`.
    [[nodiscard]] virtual platform::FileError Exclui(const platform::String& caminho) = 0;
};

// The platform's operations (platform/file_operations.h, platform/file_status.h).
[[nodiscard]] IQDOperacoesArquivo& QDOperacoesArquivoPadrao();

// How a conversion reports a failed rename or delete: the OS error | 0x80040000.
[[nodiscard]] platform::HRESULT QDHResultOperacao(const platform::FileError& erro);
