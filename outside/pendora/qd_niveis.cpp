#include "outside/pendora/qd_niveis.h"

#include <cstring>
#include <string_view>

int QDGetQtdNiveis(const char* szCodigo) {
    int niveis = 1;
    for (const char* p = szCodigo ? szCodigo : ""; *p; ++p) {
        if (*p == '.') ++niveis;
    }
    return niveis;
}

CZTString QDGetNivel(const char* szCodigo, int n) {
    if (!szCodigo || n < 1) return {};
    const char* inicio = szCodigo;
    for (int nivel = 1; nivel < n; ++nivel) {
        inicio = std::strchr(inicio, '.');
        if (!inicio) return {};
        ++inicio;
    }
    const char* fim = std::strchr(inicio, '.');
    const std::size_t tamanho = fim ? static_cast<std::size_t>(fim - inicio) : std::strlen(inicio);
    return CZTString(std::string_view(inicio, tamanho));
}
