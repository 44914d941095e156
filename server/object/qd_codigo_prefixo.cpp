#include "server/object/qd_codigo_prefixo.h"

#include <cstring>

bool QDCodigoIniciaCom(const char* codigo, const char* prefixo) {
    if (!prefixo || !*prefixo) return true;
    if (!codigo) return false;
    // strncmp stops at the code's end, so a code shorter than the prefix never matches.
    return std::strncmp(codigo, prefixo, std::strlen(prefixo)) == 0;
}
