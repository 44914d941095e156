#include "util/number/number_text_check.h"

#include "util/text/zt_string.h"

#include <cstdint>
#include <string_view>

namespace {

enum Classe : int { kDigito = 0, kPonto = 1, kSinal = 2, kOutro = 3, kClasses = 4 };

// One state of the reader: the next state for each character class, and whether the text may
// end here.
struct Estado {
    std::uint8_t proximo[kClasses];
    bool aceita;
};

constexpr int kInicioInteiros = 0;
constexpr int kInicioDecimais = 4;
constexpr int kRecusa = 10;

// States 0-1: before the first digit (1 after a sign). 2-5: plain digits (2-4 may still be the
// first group of a grouped number, 5 may not). 6-9: a '.' and the three digits of a group.
// 10: refused for good.
constexpr Estado kEstados[] = {
    /* 0 */ {{2, 10, 1, 10}, false},
    /* 1 */ {{2, 10, 10, 10}, false},
    /* 2 */ {{3, 6, 10, 10}, true},
    /* 3 */ {{4, 6, 10, 10}, true},
    /* 4 */ {{5, 6, 10, 10}, true},
    /* 5 */ {{5, 10, 10, 10}, true},
    /* 6 */ {{7, 10, 10, 10}, false},
    /* 7 */ {{8, 10, 10, 10}, false},
    /* 8 */ {{9, 10, 10, 10}, false},
    /* 9 */ {{10, 6, 10, 10}, true},
    /* 10 */ {{10, 10, 10, 10}, false},
};
static_assert(sizeof(kEstados) / sizeof(kEstados[0]) == kRecusa + 1);

// Runs `parte` through the table from `estado`; true when it ends in an accepting state.
bool Aceita(std::string_view parte, int estado) {
    for (const char c : parte) {
        estado = kEstados[estado].proximo[ZTClasseCaractere(c)];
        if (estado == kRecusa) return false;
    }
    return kEstados[estado].aceita;
}

bool EstaEmBranco(const char* texto) {
    CZTString aparado(texto);
    aparado.Trim();
    return aparado.IsEmpty();
}

}  // namespace

int ZTClasseCaractere(char c) {
    if (c >= '0' && c <= '9') return kDigito;
    if (c == '.') return kPonto;
    if (c == '+' || c == '-') return kSinal;
    return kOutro;
}

bool ZTValidaTextoNumero(const char* texto) {
    if (!texto || EstaEmBranco(texto)) return true;

    const std::string_view t(texto);
    const size_t separador = t.find_last_of(",.");
    // A separator in front leaves no integer part, which the table refuses like any text that
    // starts with a separator.
    const bool temDecimais = separador != std::string_view::npos;
    if (!Aceita(temDecimais ? t.substr(0, separador) : t, kInicioInteiros)) return false;
    if (!temDecimais) return true;

    const std::string_view decimais = t.substr(separador + 1);
    if (decimais.empty()) return false;
    return Aceita(decimais, kInicioDecimais);
}
