#include "outside/pendora/qd_campo_valor.h"

#include <algorithm>
#include <cstring>

namespace {

template <class T>
T Le(const QD_VALOR_CAMPO& valor) {
    static_assert(sizeof(T) <= QD_TAM_VALOR_CAMPO);
    T numero;
    std::memcpy(&numero, valor, sizeof numero);
    return numero;
}

template <class T>
void Grava(QD_VALOR_CAMPO& valor, T numero) {
    static_assert(sizeof(T) <= QD_TAM_VALOR_CAMPO);
    std::memset(valor, 0, QD_TAM_VALOR_CAMPO);
    std::memcpy(valor, &numero, sizeof numero);
}

}  // namespace

std::string_view QDLeCampoTexto(const QD_VALOR_CAMPO& valor) {
    const auto* texto = reinterpret_cast<const char*>(valor);
    const void* nul = std::memchr(texto, '\0', QD_TAM_VALOR_CAMPO);
    const size_t tamanho = nul ? static_cast<size_t>(static_cast<const char*>(nul) - texto) : QD_TAM_VALOR_CAMPO;
    return {texto, tamanho};
}

std::uint16_t QDLeCampoWord(const QD_VALOR_CAMPO& valor) { return Le<std::uint16_t>(valor); }
std::uint32_t QDLeCampoDWord(const QD_VALOR_CAMPO& valor) { return Le<std::uint32_t>(valor); }
std::int32_t QDLeCampoLong(const QD_VALOR_CAMPO& valor) { return Le<std::int32_t>(valor); }
CY QDLeCampoMoeda(const QD_VALOR_CAMPO& valor) { return CyFromRaw(Le<std::int64_t>(valor)); }

bool QDSetCampoTexto(QD_VALOR_CAMPO& valor, std::string_view texto) {
    std::memset(valor, 0, QD_TAM_VALOR_CAMPO);
    const size_t n = std::min(texto.size(), static_cast<size_t>(QD_TAM_VALOR_CAMPO));
    std::memcpy(valor, texto.data(), n);
    return n == texto.size();
}

void QDSetCampoWord(QD_VALOR_CAMPO& valor, std::uint16_t numero) { Grava(valor, numero); }
void QDSetCampoDWord(QD_VALOR_CAMPO& valor, std::uint32_t numero) { Grava(valor, numero); }
void QDSetCampoLong(QD_VALOR_CAMPO& valor, std::int32_t numero) { Grava(valor, numero); }
void QDSetCampoMoeda(QD_VALOR_CAMPO& valor, CY moeda) { Grava(valor, moeda.int64); }
