// CZTCurrency: the older money class, computing in double precision with an optional rounding
// step and a decimals mode of 4 or 2 (results of mode 2 are truncated to hundredths).
//
// A result that cannot be money (division by zero, beyond the 64-bit range) is marked invalid
// (IsValid() false) with value 0 rather than holding a meaningless number. Value type; not
// shared between threads without outside locking.
#pragma once

#include "util/money/cy.h"

#include <cstdint>

class CZTCurrency {
public:
    // Value 0, decimals mode 4, round flag clear.
    CZTCurrency() = default;
    CZTCurrency(const CZTCurrency&) = default;
    CZTCurrency& operator=(const CZTCurrency&) = default;
    virtual ~CZTCurrency() = default;

    // Decimals mode 2 / 4.
    void SetDuasCasas() { m_casas = 2; }
    void SetQuatroCasas() { m_casas = 4; }
    // When set, results are rounded by the decimals mode.
    void SetArredonda(bool arredonda) { m_arredonda = arredonda; }

    // The raw value (0 when invalid) and whether it holds money.
    [[nodiscard]] CY GetValor() const { return m_valor; }
    [[nodiscard]] bool IsValid() const { return m_valido; }
    // Stores a raw value (valid).
    void SetValor(CY valor);
    // Stores a double converted as whole units; invalid (value 0) when it cannot be money.
    void SetValorDouble(double valor);

    // New money: value ÷ n.
    [[nodiscard]] CZTCurrency Divide(int n) const;
    // New money: the sum, difference, product or quotient of this and the operand.
    [[nodiscard]] CZTCurrency Soma(const CZTCurrency& operando) const;
    [[nodiscard]] CZTCurrency Subtrai(const CZTCurrency& operando) const;
    [[nodiscard]] CZTCurrency Multiplica(const CZTCurrency& operando) const;
    [[nodiscard]] CZTCurrency DivideValor(const CZTCurrency& operando) const;
    // New money: operand × 100 ÷ this value.
    [[nodiscard]] CZTCurrency Percentual(const CZTCurrency& operando) const;
    // this := this op operand for '*', '+', '-', '/'; other operators change nothing. The integer
    // form reads the operand as whole units (and divides by n for '/').
    void AplicaOperacao(char operador, const CZTCurrency& operando);
    void AplicaOperacao(char operador, int operando);

private:
    // A copy of this object's settings holding a result computed in double.
    [[nodiscard]] CZTCurrency FromDouble(double work, bool round) const;
    // A copy holding a result computed as money.
    [[nodiscard]] CZTCurrency FromMoney(CY value, bool ok) const;
    // x rounded to the decimals mode through the money conversion; false when it cannot be money.
    [[nodiscard]] bool RoundByMode(double* x) const;

    CY m_valor{};
    bool m_valido = true;
    int m_casas = 4;  // decimals mode
    bool m_arredonda = false;
};
