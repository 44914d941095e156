#include "server/object/find_one_of.h"

#include <cstring>

const char* FindOneOf(const char* texto, const char* separadores) {
    if (!texto || !separadores || !*separadores) return nullptr;
    const char* encontrado = std::strpbrk(texto, separadores);
    return encontrado ? encontrado + 1 : nullptr;
}
