// Checks for installed versions of the .NET Framework, read from the registry store, and the
// one-value registry read behind them.
//
// Nothing in the system consults the checks; they are kept for programs of the suite that ask.
// Every call opens the key it reads and closes it before returning. Safe from any thread (the
// registry store serialises its calls).
#pragma once

#include "platform/registry/registry.h"

// Opens `subChave` below `raiz` for reading and reads value `valor` into `dados` with the
// store's size protocol (`*tamanho` in: room of `dados`; out: bytes of the value; null `dados`
// asks the size). True when both the open and the read succeed; the key is closed on every path.
[[nodiscard]] bool ZTLeDWordRegistro(platform::HKEY raiz, const char* subChave, const char* valor,
                                     platform::DWORD* tipo, void* dados, platform::DWORD* tamanho);

// True when the local machine's value "Install" of the version's setup key is a 32-bit number
// (REG_DWORD, 4 bytes) holding 1; any other type, size or number, or a missing key or value, is
// false.
[[nodiscard]] bool ZTTemDotNet40Client();  // "...\NDP\v4\Client"
[[nodiscard]] bool ZTTemDotNet35();        // "...\NDP\v3.5"
[[nodiscard]] bool ZTTemDotNet20();        // "...\NDP\v2.0.50727"
