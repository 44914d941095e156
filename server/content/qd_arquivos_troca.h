// The file operations of the encryption switch, gathered in one class so a test can make one of
// them fail at a chosen moment.
//
// Every operation forwards to the platform's file layer; results are its Win32 errors with
// their causes. Paths are Windows-1252. One thread at a time.
#pragma once

#include "platform/file/file.h"
#include "platform/file/file_error.h"
#include "platform/win32_error.h"
#include "util/text/zt_string.h"

#include <memory>
#include <vector>

class CQDArquivosTroca {
public:
    virtual ~CQDArquivosTroca() = default;

    // Creates the folder `pasta` (its parent must exist).
    [[nodiscard]] virtual platform::FileError CriaPasta(const CZTString& pasta);
    // Whether `pasta` is a folder that holds entries; ERROR_SUCCESS or the listing's error.
    [[nodiscard]] virtual platform::Win32Error PastaTemEntradas(const CZTString& pasta, bool& temEntradas);
    // Copies the file `de` onto `para`, replacing it.
    [[nodiscard]] virtual platform::FileError Copia(const CZTString& de, const CZTString& para);
    // Deletes the file `arquivo`.
    [[nodiscard]] virtual platform::FileError Apaga(const CZTString& arquivo);
    // Removes the empty folder `pasta`.
    [[nodiscard]] virtual platform::FileError RemovePasta(const CZTString& pasta);
    // A new, closed file object for opening a content.
    [[nodiscard]] virtual std::unique_ptr<platform::File> NovoArquivo();
};
