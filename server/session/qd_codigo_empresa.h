// The company code of a session record as one name: the code becomes a registry key name under
// the companies' key and, through it, the company's folders, so it must name exactly one key.
//
// Codes are Windows-1252 byte texts. Pure; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// True when `empresa` is one key name: not empty, not "." or "..", and free of '\', '/' and
// control characters (which would name another key, a parent or a path piece).
[[nodiscard]] bool QDCodigoEmpresaValido(const CZTString& empresa);
