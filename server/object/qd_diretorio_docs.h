// The content folder of a company: the folder "Docs" in the data directory, where each
// document's stored file lies; its creation and its clearing when a session opens.
//
// Paths are Windows-1252. Safe from any thread.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

class IQDArqBind;

// "Docs" joined to the data directory (diretorio de dados); empty when that is empty, so that no
// folder is ever made relative to the process's working folder.
[[nodiscard]] CZTString QDDiretorioDocs(const char* diretorioDados);

// Creates the content folder. S_OK when it was made or is already a folder;
// 0x80070000 | ERROR_PATH_NOT_FOUND for an empty data directory or a missing one; for a file
// that holds the name, 0x80070000 | ERROR_ALREADY_EXISTS; any other failure as 0x80070000 | its
// Win32 error.
[[nodiscard]] platform::HRESULT QDCriaDiretorioDocs(const char* diretorioDados);

// Clears what saves cut short by a crash left in the content folder of the session `bind`
// (server/content/qd_conteudo_provisorio.h). QDDOC.DAT is held for writing meanwhile, which no
// save of another process can be holding; when it cannot be had (missing, or busy beyond the
// record layer's retries) the clearing is left to a later start. S_OK or the clearing's failure.
[[nodiscard]] platform::HRESULT QDLimpaDiretorioDocs(IQDArqBind& bind);
