// Creating a folder path and deleting a folder tree.
//
// Paths are Windows-1252 with '/' as separator. Safe from any thread; a tree being deleted must
// not be changed by others meanwhile.
#pragma once

#include "platform/hresult.h"

// Creates every missing folder of the path (caminho) up to its last '/': a last component
// without a '/' after it is a file name and is not created. True on success.
[[nodiscard]] bool ZTCriaCaminho(const char* caminho);

// Deletes the folder (pasta) with everything in it: files are deleted, sub-folders go the same
// way, and the emptied folder is removed, with one more try after 500 ms when that fails.
// Symbolic links are deleted, never followed. 0 on success; otherwise 0x80070000 | the Win32
// error of the first file that could not be deleted, of a missing or unreadable folder, or of a
// folder that still could not be removed. What was deleted before a failure stays deleted.
[[nodiscard]] platform::HRESULT ZTApagaDiretorio(const char* pasta);
