// The failure marks of the record-file layer: the machine-wide registry key
// "SOFTWARE\Quorvel\Erros" tells an operator which record file failed last.
//
// The key holds two string values: `Usuario` ("0") and `Arquivo` (the file's name without its
// folder). A registry failure is ignored: marking must never change a file operation's result.
// A mark that is already there is not written again, so an open retried 60 times against a busy
// file reads the store 60 times but rewrites it once. Single-threaded use (the server's thread).
#pragma once

inline constexpr char ZT_CHAVE_ERROS[] = "SOFTWARE\\Quorvel\\Erros";
inline constexpr char ZT_VALOR_ERRO_USUARIO[] = "Usuario";
inline constexpr char ZT_VALOR_ERRO_ARQUIVO[] = "Arquivo";

// Marks the file `caminho` as the last one that failed (creating the key when missing).
void ZTMarcaFalhaArquivo(const char* caminho);

// After `caminho` was created: when it is the file marked, the mark is cleared (`Usuario` "0",
// `Arquivo` " "); a mark naming another file stays.
void ZTLimpaFalhaArquivo(const char* caminho);
