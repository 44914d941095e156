#include "util/time/test_clock.h"

#include "util/config/registry_functions.h"

#include <limits>

namespace {

// The layout's separators between the 15 fields, in order.
constexpr char kSeparadores[14] = {';', '/', '/', ';', ':', ':', ':', ';', '/', '/', ';', ':', ':', ':'};

bool Branco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// One %u: skips blanks, needs at least one digit, saturates at the 32-bit maximum.
bool LeNumero(const char*& p, std::uint32_t& valor) {
    while (Branco(*p)) ++p;
    if (*p < '0' || *p > '9') return false;
    constexpr std::uint64_t kMaximo = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t acumulado = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        // Once past the maximum the number only needs to stay there.
        if (acumulado <= kMaximo) acumulado = acumulado * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    valor = static_cast<std::uint32_t>(acumulado <= kMaximo ? acumulado : kMaximo);
    return true;
}

}  // namespace

bool ZTInterpretaRelogioTeste(const char* texto, ZTRelogioTeste& relogio) {
    if (!texto) return false;
    std::uint32_t* const campos[15] = {
        &relogio.ativo,
        &relogio.simulado.dia, &relogio.simulado.mes, &relogio.simulado.ano,
        &relogio.simulado.hora, &relogio.simulado.minuto, &relogio.simulado.segundo, &relogio.simulado.milissegundo,
        &relogio.real.dia, &relogio.real.mes, &relogio.real.ano,
        &relogio.real.hora, &relogio.real.minuto, &relogio.real.segundo, &relogio.real.milissegundo,
    };
    const char* p = texto;
    for (int i = 0; i < 15; ++i) {
        if (i > 0) {
            if (*p != kSeparadores[i - 1]) return false;
            ++p;
        }
        if (!LeNumero(p, *campos[i])) return false;
    }
    return true;
}

bool ZTLeRelogioTesteAtivo(ZTRelogioTeste& relogio) {
    const CZTString valor =
        ZTLeStringRegistry(platform::HKEY_LOCAL_MACHINE, ZT_CHAVE_RELOGIO_TESTE, ZT_VALOR_RELOGIO_TESTE, "");
    if (!ZTInterpretaRelogioTeste(valor, relogio)) return false;
    return relogio.ativo != 0;
}
