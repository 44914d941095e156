#include "util/time/time_of_day.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kNumeroSaturado = 100'000;  // beyond any hour or minute: saturate there
constexpr std::uint16_t kSegundoMaximo = 59;

bool Digito(char c) { return c >= '0' && c <= '9'; }

// Hours before the first ':' and minutes after it (up to a further ':'); characters other than
// digits and ':' are skipped when `pulaOutros`, else they make the text fail.
bool LeHorasMinutos(const char* texto, bool pulaOutros, int& horas, int& minutos) {
    horas = minutos = 0;
    if (!texto) return false;
    int campo = 0;
    int* const destinos[2] = {&horas, &minutos};
    for (const char* p = texto; *p; ++p) {
        if (*p == ':') {
            campo = std::min(campo + 1, 2);
            continue;
        }
        if (!Digito(*p)) {
            if (pulaOutros) continue;
            return false;
        }
        if (campo > 1) continue;
        int& valor = *destinos[campo];
        if (valor < kNumeroSaturado) valor = valor * 10 + (*p - '0');
    }
    return true;
}

ZTPartesHora PartesDeSegundos(std::int32_t s) { return {s / 3600, s % 3600 / 60, s % 60}; }
ZTPartesHora PartesDeMinutos(std::int32_t m) { return {m / 60, m % 60, 0}; }
ZTPartesHora PartesDeHHMM(std::int32_t v) { return {v / 100, v % 100, 0}; }
ZTPartesHora PartesDeHHMMSS(std::int32_t v) { return {v / 10000, v / 100 % 100, v % 100}; }

// Returns the value, handing the parts out when asked.
template <class T>
T Com(T valor, const ZTPartesHora& p, ZTPartesHora* partes) {
    if (partes) *partes = p;
    return valor;
}

}  // namespace

bool ZTValidaTextoHora(const char* texto) {
    int h, m;
    if (!LeHorasMinutos(texto, false, h, m)) return false;
    if (h > 23) return false;
    return h == 0 || m < 60;
}

std::int32_t ZTTextoHoraParaMinutos(const char* texto) {
    int h, m;
    LeHorasMinutos(texto, true, h, m);
    return h * 60 + m;
}

char* ZTMinutosParaTexto(std::int32_t minutos, char* buffer, int tamanho) {
    if (!buffer || tamanho <= 0) return buffer;
    std::snprintf(buffer, static_cast<size_t>(tamanho), "%02d:%02d", minutos / 60, minutos % 60);
    return buffer;
}

CZTString ZTFormataMinutos(std::int32_t minutos) { return CZTString::Formata("%02d:%02d", minutos / 60, minutos % 60); }

CZTString ZTSegundosParaTexto(std::int32_t segundos, ZTPartesHora* partes) {
    const ZTPartesHora p = PartesDeSegundos(segundos);
    if (partes) *partes = p;
    return CZTString::Formata("%02d:%02d:%02d", p.horas, p.minutos, p.segundos);
}

void ZTDesmontaHora(std::int32_t valor, bool compactado, bool comSegundos, int& horas, int& minutos, int& segundos) {
    ZTPartesHora p;
    if (compactado) {
        p = comSegundos ? PartesDeHHMMSS(valor) : PartesDeHHMM(valor);
    } else {
        p = comSegundos ? PartesDeSegundos(valor) : PartesDeMinutos(valor);
    }
    horas = p.horas;
    minutos = p.minutos;
    segundos = p.segundos;
}

std::int64_t ZTMontaHora(bool compactado, bool comSegundos, int horas, int minutos, int segundos) {
    const std::int64_t h = horas, m = minutos, s = comSegundos ? segundos : 0;
    if (compactado) return comSegundos ? h * 10000 + m * 100 + s : h * 100 + m;
    return comSegundos ? h * 3600 + m * 60 + s : h * 60 + m;
}

std::int32_t ZTHHMMSSParaHHMM(std::int32_t hhmmss, ZTPartesHora* partes) {
    return Com(hhmmss / 100, PartesDeHHMMSS(hhmmss), partes);
}

std::int32_t ZTHHMMParaHHMMSS(std::uint16_t hhmm, std::uint16_t segundos, ZTPartesHora* partes) {
    const int s = std::min(segundos, kSegundoMaximo);
    ZTPartesHora p = PartesDeHHMM(hhmm);
    p.segundos = s;
    return Com(hhmm * 100 + s, p, partes);
}

std::int32_t ZTSegundosParaMinutos(std::int32_t segundos, ZTPartesHora* partes) {
    return Com(segundos / 60, PartesDeSegundos(segundos), partes);
}

std::int32_t ZTMinutosParaSegundos(std::uint16_t minutos, std::uint16_t segundos, ZTPartesHora* partes) {
    const int s = std::min(segundos, kSegundoMaximo);
    ZTPartesHora p = PartesDeMinutos(minutos);
    p.segundos = s;
    return Com(minutos * 60 + s, p, partes);
}

std::int64_t ZTSegundosParaHHMMSS(std::int32_t segundos, ZTPartesHora* partes) {
    const ZTPartesHora p = PartesDeSegundos(segundos);
    return Com(ZTMontaHora(true, true, p.horas, p.minutos, p.segundos), p, partes);
}

std::int32_t ZTHHMMSSParaSegundos(std::int32_t hhmmss, ZTPartesHora* partes) {
    const ZTPartesHora p = PartesDeHHMMSS(hhmmss);
    return Com(static_cast<std::int32_t>(ZTMontaHora(false, true, p.horas, p.minutos, p.segundos)), p, partes);
}

std::int32_t ZTMinutosParaHHMM(std::uint16_t minutos, ZTPartesHora* partes) {
    const ZTPartesHora p = PartesDeMinutos(minutos);
    return Com(p.horas * 100 + p.minutos, p, partes);
}

std::int32_t ZTHHMMParaMinutos(std::uint16_t hhmm, ZTPartesHora* partes) {
    const ZTPartesHora p = PartesDeHHMM(hhmm);
    return Com(p.horas * 60 + p.minutos, p, partes);
}
