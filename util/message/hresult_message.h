// How a failed HRESULT reads to the user: one text for the connection's boxes and for the suite's
// error report.
//
// A message of a module's file travels as 0x80040000 | its number; every other result reads as
// the system's text for it. Boxes of a missing message file go through ZTLeMensagem's warning.
// Single-threaded use, as messages.h.
#pragma once

#include "platform/hresult.h"
#include "util/text/zt_string.h"

#include <cstdint>

// True when `hr` carries a message number of the module's file: FACILITY_ITF (0x8004xxxx) and no
// text of the platform's own (class not registered and the like have one).
[[nodiscard]] bool ZTEhMensagemDoModulo(platform::HRESULT hr);

// The message of module `modulo` numbered hr & 0xFFFF (the unknown-error text when the file has
// none) for a message code; otherwise the system's text, "Erro" when it has none. Never empty.
[[nodiscard]] CZTString ZTGetTextoHResult(platform::HRESULT hr, std::int32_t modulo);
