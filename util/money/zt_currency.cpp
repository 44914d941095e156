#include "util/money/zt_currency.h"

namespace {

CY TruncateToHundredths(CY value) { return CY{(value.int64 / 100) * 100}; }

}  // namespace

void CZTCurrency::SetValor(CY valor) {
    m_valor = valor;
    m_valido = true;
}

void CZTCurrency::SetValorDouble(double valor) {
    CY out;
    m_valido = platform::SUCCEEDED(money::CyFromR8(valor, &out));
    m_valor = m_valido ? out : CY{};
}

bool CZTCurrency::RoundByMode(double* x) const {
    const double scale = m_casas == 2 ? 100.0 : 1.0;
    CY rounded;
    if (platform::FAILED(money::CyFromR8(*x / scale, &rounded))) return false;
    *x = money::R8FromCy(rounded) * scale;
    return true;
}

CZTCurrency CZTCurrency::FromMoney(CY value, bool ok) const {
    CZTCurrency result(*this);
    result.m_valido = ok && m_valido;
    if (!result.m_valido) {
        result.m_valor = CY{};
        return result;
    }
    result.m_valor = m_casas == 2 ? TruncateToHundredths(value) : value;
    return result;
}

CZTCurrency CZTCurrency::FromDouble(double work, bool round) const {
    if (round && !RoundByMode(&work)) return FromMoney(CY{}, false);
    CY value;
    const bool ok = platform::SUCCEEDED(money::CyFromR8(work, &value));
    return FromMoney(value, ok);
}

CZTCurrency CZTCurrency::Divide(int n) const {
    return FromDouble(money::R8FromCy(m_valor) / static_cast<double>(n), m_arredonda);
}

CZTCurrency CZTCurrency::Soma(const CZTCurrency& operando) const {
    CY total;
    const bool ok = operando.m_valido && platform::SUCCEEDED(money::CyAdd(m_valor, operando.m_valor, &total));
    if (ok && m_arredonda) return FromDouble(money::R8FromCy(total), true);
    return FromMoney(total, ok);
}

CZTCurrency CZTCurrency::Subtrai(const CZTCurrency& operando) const {
    CY total;
    const bool ok = operando.m_valido && platform::SUCCEEDED(money::CySub(m_valor, operando.m_valor, &total));
    if (ok && m_arredonda) return FromDouble(money::R8FromCy(total), true);
    return FromMoney(total, ok);
}

CZTCurrency CZTCurrency::Multiplica(const CZTCurrency& operando) const {
    if (!operando.m_valido) return FromMoney(CY{}, false);
    return FromDouble(money::R8FromCy(m_valor) * money::R8FromCy(operando.m_valor), m_arredonda);
}

CZTCurrency CZTCurrency::DivideValor(const CZTCurrency& operando) const {
    if (!operando.m_valido) return FromMoney(CY{}, false);
    return FromDouble(money::R8FromCy(m_valor) / money::R8FromCy(operando.m_valor), m_arredonda);
}

CZTCurrency CZTCurrency::Percentual(const CZTCurrency& operando) const {
    if (!operando.m_valido) return FromMoney(CY{}, false);
    return FromDouble(money::R8FromCy(operando.m_valor) * 100.0 / money::R8FromCy(m_valor), false);
}

void CZTCurrency::AplicaOperacao(char operador, const CZTCurrency& operando) {
    switch (operador) {
        case '*': *this = Multiplica(operando); return;
        case '+': *this = Soma(operando); return;
        case '-': *this = Subtrai(operando); return;
        case '/': *this = DivideValor(operando); return;
        default: return;
    }
}

void CZTCurrency::AplicaOperacao(char operador, int operando) {
    if (operador == '/') {
        *this = Divide(operando);
        return;
    }
    CZTCurrency units;
    units.SetValor(money::CyFromI4(operando));
    AplicaOperacao(operador, units);
}
