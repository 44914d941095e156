// One-call registry reads and writes: each builds a CZTRegistry on the given machine, opens the
// key, acts and closes it.
//
// A null or empty machine name is this computer; any other machine is unreachable here and its
// operations fail with ERROR_BAD_NETPATH (readers then give their default). Results are Win32
// error numbers (0 = success). Safe from any thread.
#pragma once

#include "platform/registry/registry.h"
#include "util/text/zt_string.h"

// The text of `valor` below `raiz`\`subChave` (expanded when REG_EXPAND_SZ and `expandir`); the
// default (or empty) when the key cannot be opened or the value read.
[[nodiscard]] CZTString ZTLeStringRegistry(platform::HKEY raiz, const char* subChave, const char* valor,
                                           const char* padrao = nullptr, bool expandir = false,
                                           const char* maquina = nullptr);
// The 4-byte `valor`; the default when the key cannot be opened or the value read.
[[nodiscard]] platform::DWORD ZTLeDWordRegistry(platform::HKEY raiz, const char* subChave, const char* valor,
                                                platform::DWORD padrao = 0, const char* maquina = nullptr);
// Creates the key when missing and writes `texto` as REG_SZ; the first error.
[[nodiscard]] platform::DWORD ZTGravaStringRegistry(platform::HKEY raiz, const char* subChave, const char* valor,
                                                    const char* texto, const char* maquina = nullptr);
// Creates the key when missing and writes `numero` as REG_DWORD; the first error.
[[nodiscard]] platform::DWORD ZTGravaDWordRegistry(platform::HKEY raiz, const char* subChave, const char* valor,
                                                   platform::DWORD numero, const char* maquina = nullptr);
// Opens the key for writing and deletes `valor`; the first error.
[[nodiscard]] platform::DWORD ZTApagaValorRegistry(platform::HKEY raiz, const char* subChave, const char* valor,
                                                   const char* maquina = nullptr);
// Connects to `maquina`'s local-machine root and opens its "SYSTEM" key for writing; 0 when that
// registry is usable.
[[nodiscard]] platform::DWORD ZTTestaRegistroRemoto(const char* maquina);
// Empties `lista`, then appends the text of every non-empty value of the local machine's
// "HARDWARE\DEVICEMAP\SERIALCOMM".
void ZTListaPortasSeriais(CZTStringArray& lista);
