#include "util/time/digit_fields.h"

std::string ZTDigitosDoTexto(const char* texto, int maximo) {
    std::string digitos;
    if (!texto) return digitos;
    for (const char* p = texto; *p && static_cast<int>(digitos.size()) < maximo; ++p) {
        if (*p >= '0' && *p <= '9') digitos += *p;
    }
    return digitos;
}

int ZTCampoNumerico(std::string_view texto, size_t inicio, size_t largura) {
    if (inicio >= texto.size() || largura == 0 || largura > 9) return 0;
    std::string_view campo = texto.substr(inicio, largura);
    while (!campo.empty() && (campo.front() == ' ' || campo.front() == '\t')) campo.remove_prefix(1);
    int valor = 0;
    for (const char c : campo) {
        if (c < '0' || c > '9') break;
        valor = valor * 10 + (c - '0');
    }
    return valor;
}
