// Questions about one file: is it there, can it be written; and moving it.
//
// Paths are Windows-1252 with '/' as separator. Every probe opens the file through
// platform::File, so share modes of other opens count as they did on the original platform.
// Safe from any thread.
#pragma once

// True when the file or folder at the path (caminho) can be opened for reading (sharing
// everything): folders that exist always can.
[[nodiscard]] bool ZTExisteCaminho(const char* caminho);

// True when the file opens for reading and writing, or when opening fails for any reason but a
// missing file (ERROR_FILE_NOT_FOUND) or a missing folder (ERROR_PATH_NOT_FOUND).
[[nodiscard]] bool ZTArquivoPresente(const char* caminho);

// Copies origem to destino (falhaSeExiste: keep an existing destino and fail), then deletes
// origem. True when both worked; false when the copy failed (origem untouched) or the delete did.
[[nodiscard]] bool ZTMoveArquivo(const char* origem, const char* destino, bool falhaSeExiste);

// Whether a file can be written at the path (caminho):
// - an existing folder: whether "DF0001.tmp" can be opened or created in it for reading and
//   writing; a probe file this call created is deleted again, an existing one is kept;
// - an existing file: whether it opens for reading and writing (its content is not touched);
// - otherwise false, unless ZTArquivoPresente says the file is there (it exists but cannot be
//   read), in which case whether it opens for reading and writing.
[[nodiscard]] bool ZTPodeGravar(const char* caminho);
