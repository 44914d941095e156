#include "util/number/interest.h"

#include "util/number/rounding.h"

#include <cmath>
#include <limits>

namespace {

// A precision that asks for no rounding.
constexpr short kSemArredondamento = -1;

// Days in one period of the unit: per day, per month of 30 days, per year of 360 days.
double DivisorDoPeriodo(char periodo) {
    if (periodo == 'D') return 1.0;
    if (periodo == 'M') return 30.0;
    return 360.0;
}

bool NaoPositivo(CY valor) { return valor.int64 <= 0; }

double Arredonda(double valor, short precisao) {
    return precisao == kSemArredondamento ? valor : ZTArredondaDouble(valor, precisao);
}

// The result rounded to the precision (unless it is -1) and made money; throws DISP_E_OVERFLOW
// when it cannot be money (beyond the range, infinite or NaN).
CY ParaMoeda(double valor, short precisao) {
    CY moeda;
    money::ThrowIfFailed(money::CyFromR8(Arredonda(valor, precisao), &moeda));
    return moeda;
}

// The value as the float it passes through; a value beyond the float range could never be money.
double PorPrecisaoSimples(double valor) {
    if (!(std::fabs(valor) <= static_cast<double>(std::numeric_limits<float>::max())))
        throw platform::ComError(platform::DISP_E_OVERFLOW);
    return static_cast<double>(static_cast<float>(valor));
}

double Fracao(CY taxa) { return money::R8FromCy(taxa) / 100.0; }

// The instalment of the 'A' kind: m + 1 instalments, the first paid at once.
double ParcelaAntecipada(double valor, double i, double r, double m) {
    return valor * i * ZTPotencia(r, m) / (ZTPotencia(r, m + 1.0) - 1.0);
}

// The instalment of the 'P' kind: m instalments at the ends of the periods (m > 0).
double ParcelaPostecipada(double valor, double i, double r, double m) {
    return valor * i / (1.0 - ZTPotencia(r, -m));
}

}  // namespace

double ZTPotencia(double a, double b) { return std::exp(std::log(a) * b); }

CY ZTJuroPeriodo(CY valor, char tipo, CY taxa, char periodo, short precisao) {
    if (NaoPositivo(valor) || NaoPositivo(taxa)) return CY{};
    const double montante = money::R8FromCy(valor);
    const double divisor = DivisorDoPeriodo(periodo);
    const double juro = tipo == 'S' ? montante * Fracao(taxa) / divisor
                                    : montante * (ZTPotencia(1.0 + Fracao(taxa), 1.0 / divisor) - 1.0);
    // Narrowed before the rounding, so that a rounded result keeps its cents as money.
    return ParaMoeda(PorPrecisaoSimples(juro), precisao);
}

CY ZTTaxaPeriodo(CY valor, char tipo, CY juro, char periodo, short precisao) {
    if (NaoPositivo(valor) || NaoPositivo(juro)) return CY{};
    const double montante = money::R8FromCy(valor);
    const double juroDia = money::R8FromCy(juro);
    const double divisor = DivisorDoPeriodo(periodo);
    const double taxa = tipo == 'S' ? juroDia / (montante / divisor) * 100.0
                                    : (ZTPotencia((montante + juroDia) / montante, divisor) - 1.0) * 100.0;
    return ParaMoeda(taxa, precisao);
}

CY ZTValorPercentual(CY valor, CY taxa, short precisao) {
    if (NaoPositivo(valor) || NaoPositivo(taxa)) return CY{};
    return ParaMoeda(money::R8FromCy(valor) * money::R8FromCy(taxa) / 100.0, precisao);
}

CY ZTPercentualDoValor(CY base, CY parte, short precisao) {
    if (NaoPositivo(base) || NaoPositivo(parte)) return CY{};
    return ParaMoeda(money::R8FromCy(parte) / money::R8FromCy(base) * 100.0, precisao);
}

CY ZTJuroDias(CY valor, char tipo, CY taxa, std::uint16_t dias, char periodo, short precisao) {
    if (NaoPositivo(valor) || NaoPositivo(taxa)) return CY{};
    const double montante = money::R8FromCy(valor);
    const double m = static_cast<double>(dias) / DivisorDoPeriodo(periodo);
    const double i = Fracao(taxa);
    const double r = 1.0 + i;

    double juro = 0.0;
    switch (tipo) {
        case 'A': juro = Arredonda(ParcelaAntecipada(montante, i, r, m), precisao) * (m + 1.0) - montante; break;
        case 'P':
            // 1 - r^0 is 0: without a period there is no instalment and no interest.
            if (dias == 0) return CY{};
            juro = Arredonda(ParcelaPostecipada(montante, i, r, m), precisao) * m - montante;
            break;
        case 'S': juro = montante * m * i; break;
        default: juro = (ZTPotencia(r, m) - 1.0) * montante; break;
    }
    return ParaMoeda(juro, precisao);
}
