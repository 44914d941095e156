#include "util/fiscal/federative_unit.h"

#include <cstring>
#include <iterator>

namespace {

struct UnidadeFederativa {
    const char* sigla;
    const char* codigo;
};

// The published IBGE table.
constexpr UnidadeFederativa kUnidades[] = {
    {"PR", "41"}, {"SC", "42"}, {"RS", "43"},
    {"SP", "35"}, {"RJ", "33"}, {"MG", "31"}, {"ES", "32"},
    {"MS", "50"}, {"MT", "51"}, {"GO", "52"}, {"DF", "53"},
    {"BA", "29"}, {"SE", "28"}, {"AL", "27"}, {"PE", "26"}, {"PB", "25"},
    {"RN", "24"}, {"CE", "23"}, {"PI", "22"}, {"MA", "21"},
    {"RO", "11"}, {"AC", "12"}, {"AM", "13"}, {"RR", "14"}, {"PA", "15"}, {"AP", "16"}, {"TO", "17"},
};
static_assert(std::size(kUnidades) == 27);

}  // namespace

CZTString ZTConverteUF(const char* szTexto) {
    if (szTexto == nullptr || szTexto[0] == '\0') return {};
    const bool ehCodigo = szTexto[0] >= '0' && szTexto[0] <= '9';
    for (const UnidadeFederativa& unidade : kUnidades) {
        const char* chave = ehCodigo ? unidade.codigo : unidade.sigla;
        if (std::strcmp(szTexto, chave) == 0) return ehCodigo ? unidade.sigla : unidade.codigo;
    }
    return {};
}
