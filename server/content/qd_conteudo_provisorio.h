// Content files under temporary (provisório) names: a new content is written whole beside its
// final name and only then renamed into place, so that a crash never leaves a content file cut
// short, and a rewrite keeps the old content until the new one is complete.
//
// A temporary name is the final name with a leading '.' (a hidden file, which no content listing
// takes: neither the encryption switch nor the leftovers of an insert) and a suffix: ".novo" for
// the new content being written, ".antigo" for the content it replaces while the new one takes
// its name (the platform's rename never replaces a file). Both lie in "Docs" beside the final
// name, so the renames never leave the file system. Paths are Windows-1252. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/migrations/qd_operacoes_arquivo.h"
#include "util/text/zt_string.h"

// Where the new content of the content file `caminho` is written before it takes that name.
[[nodiscard]] CZTString QDCaminhoConteudoNovo(const CZTString& caminho);

// Where the content file `caminho` waits while a new content takes its name.
[[nodiscard]] CZTString QDCaminhoConteudoAntigo(const CZTString& caminho);

// Renames the complete file `novo` to `caminho`. A file already there first moves to its
// ".antigo" name and is deleted once the new one is in place, or takes its name back when that
// rename fails. S_OK or 0x80070000 | the Win32 error of the failing rename (or of the deletion of
// the old content, which then lies under its ".antigo" name until the next start clears it).
[[nodiscard]] platform::HRESULT QDPoeConteudoNoLugar(IQDOperacoesArquivo& operacoes, const CZTString& novo,
                                                     const CZTString& caminho);

// Clears what saves cut short left in the content folder `pastaConteudos`: a ".novo" file is
// deleted (its document record was never written), a ".antigo" file takes its name back when no
// file holds it (the crash came between the two renames) and is deleted otherwise. Other files
// stay. Call it while no save is under way. S_OK, also for a missing folder; else
// 0x80070000 | the Win32 error of the listing, rename or deletion that failed.
[[nodiscard]] platform::HRESULT QDLimpaConteudosProvisorios(IQDOperacoesArquivo& operacoes,
                                                            const char* pastaConteudos);
