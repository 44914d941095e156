// The code-prefix test of searches and rules: does a code (código) begin with a prefix?
//
// Codes are Windows-1252 byte texts compared byte for byte. Pure; safe from any thread.
#pragma once

// True when the first strlen(prefixo) bytes of `codigo` equal `prefixo`; an empty or null prefix
// matches every code, a null code only the empty prefix.
[[nodiscard]] bool QDCodigoIniciaCom(const char* codigo, const char* prefixo);
