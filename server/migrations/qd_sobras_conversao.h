// The leftovers (sobras) of a whole-file conversion that died, cleared before the next one starts,
// so that they never block a company for ever: the rename of the main file to the name of the
// original never replaces a file, and a stale copy must never be mistaken for a new one.
//
// A conversion has three names: the main file, the name the main file takes while the converted
// copy takes its place (the original), and the copy. The rules:
//   - the main file is missing: it is restored from the original when there is one (the file as
//     it was before the conversion), else from a copy that carries the conversion's signature
//     (a complete converted copy); without either it stays missing;
//   - then any original or copy still there is set aside: renamed to "<name>.NNN", the first of
//     001 to 999 that is free; never deleted.
// Called under the database lock, so no other process is converting meanwhile. The server's thread.
#pragma once

#include "platform/hresult.h"
#include "server/migrations/qd_assinatura_conversao.h"
#include "server/migrations/qd_operacoes_arquivo.h"
#include "util/text/zt_string.h"

struct QDArquivosConversao {
    const char* pszPrincipal;  // the main file, e.g. QDDOC.DAT
    const char* pszOriginal;   // where it goes while the copy takes its name, e.g. QDDOC.BAK
    const char* pszCopia;      // the converted copy being written, e.g. QDDOC.TMP
    QDAssinatura assinatura;   // what a complete copy carries in its header
};

// Applies the rules above in the folder `pasta`. S_OK, or the failing rename's OS error | 0x80040000
// (ERROR_ALREADY_EXISTS when all 999 names are taken).
[[nodiscard]] platform::HRESULT QDRecuperaSobras(IQDOperacoesArquivo& operacoes, const char* pasta,
                                                 const QDArquivosConversao& arquivos);

// Renames `caminho` to the first free "<caminho>.NNN" (001 to 999). S_OK or as above.
[[nodiscard]] platform::HRESULT QDPoeDeLado(IQDOperacoesArquivo& operacoes, const CZTString& caminho);

// The same rename, for callers that report in their own terms: the name taken in `destino`, and
// the failing rename's error (ERROR_ALREADY_EXISTS when all 999 names are taken).
[[nodiscard]] platform::FileError QDGuardaSobra(IQDOperacoesArquivo& operacoes, const CZTString& caminho,
                                                CZTString& destino);
