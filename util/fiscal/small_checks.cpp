#include "util/fiscal/small_checks.h"

bool ZTTemQuatroCaracteres(const char* szTexto) {
    if (szTexto == nullptr) return false;
    // Only the first four characters matter; a long text is not measured to its end.
    for (int i = 0; i < 4; ++i) {
        if (szTexto[i] == '\0') return false;
    }
    return true;
}

bool ZTMaiorQue33(std::int16_t iNumero) { return iNumero > 33; }
