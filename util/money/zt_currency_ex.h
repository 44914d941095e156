// CZTCurrencyEx: an amount of money kept to a precision of 4, 2 or 0 decimals by a rounding mode.
//
// Holds the raw 64-bit money value (ten-thousandths). Every change of value is followed by the
// rounding rule (Normaliza) of the precision and mode: 0 half away from zero, 1 truncate (the
// default), 2 half to even. Money that would leave the 64-bit range raises
// platform::ComError(DISP_E_OVERFLOW) and leaves the value as it was. Value type; not shared
// between threads without outside locking.
#pragma once

#include "util/money/cy.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTCurrency;

class CZTCurrencyEx {
public:
    enum Modo : int { kArredonda = 0, kTrunca = 1, kArredondaPar = 2 };

    // Precision 4, mode 1, value 0.
    CZTCurrencyEx() = default;
    // The value of a double (half to even to ten-thousandths); throws DISP_E_OVERFLOW beyond range.
    CZTCurrencyEx(double value);  // NOLINT: money is built from doubles everywhere
    CZTCurrencyEx(CY value);      // NOLINT
    CZTCurrencyEx(const CZTCurrencyEx&) = default;
    // Precision 2 when `duasCasas` (two decimals), else 4; mode 0 when `arredonda`, else 1.
    CZTCurrencyEx(bool duasCasas, bool arredonda, CY value);
    // Precision 2 when `duasCasas`, else 4; the given mode.
    CZTCurrencyEx(bool duasCasas, int modo, CY value);
    virtual ~CZTCurrencyEx() = default;

    // Mode 0 when true, mode 1 when false, then normalise / true when the mode is 0.
    void SetArredonda(bool arredonda);
    [[nodiscard]] bool GetArredonda() const { return m_modo == kArredonda; }
    // Sets the mode and normalises / the mode.
    void SetModo(int modo);
    [[nodiscard]] int GetModo() const { return m_modo; }
    // Precision 2 or 4, mode 0 or 1, then normalise.
    void SetPrecisao(bool duasCasas, bool arredonda);
    // 0: precision 0; 1 or 2: precision 2 (both normalise); anything else: precision 4.
    void SetCasasDecimais(short casas);
    [[nodiscard]] short GetCasasDecimais() const { return m_precisao; }
    [[nodiscard]] bool IsSemCasas() const { return m_precisao == 0; }
    [[nodiscard]] bool IsDuasCasas() const { return m_precisao == 2; }
    [[nodiscard]] bool IsQuatroCasas() const { return m_precisao == 4; }

    // Applies the rounding rule to the current value.
    void Normaliza();

    // Copy the value only (precision and mode stay) and normalise.
    CZTCurrencyEx& operator=(CY value);
    CZTCurrencyEx& operator=(double value);
    CZTCurrencyEx& operator=(const CZTCurrency& value);
    CZTCurrencyEx& operator=(const CZTCurrencyEx& other);

    [[nodiscard]] CY GetValor() const { return m_valor; }
    [[nodiscard]] double GetValorDouble() const;
    // The amount in hundredths (truncated toward zero); throws DISP_E_OVERFLOW beyond 16 bits.
    [[nodiscard]] short GetCentesimos() const;

    // Arithmetic, normalised after. Sums and products throw DISP_E_OVERFLOW (value kept); a
    // quotient or a product with a double that fails (division by zero, overflow) gives 0.
    CZTCurrencyEx& operator+=(CY value);
    CZTCurrencyEx& operator-=(CY value);
    CZTCurrencyEx& operator*=(CY value);
    CZTCurrencyEx& operator/=(CY value);
    CZTCurrencyEx& operator+=(double value);
    CZTCurrencyEx& operator-=(double value);
    CZTCurrencyEx& operator*=(double value);
    CZTCurrencyEx& operator/=(double value);

    // The value as text with the precision's decimals, ',' for decimals, '.' grouping thousands.
    [[nodiscard]] CZTString Formata() const;

    // value × rate ÷ 100, not normalised (0 when the route fails).
    [[nodiscard]] CY Percentual(CY taxa) const;
    [[nodiscard]] CY Percentual(const CZTCurrencyEx& taxa) const;
    // The value times n read as ten-thousandths, not normalised; throws DISP_E_OVERFLOW.
    [[nodiscard]] CY MultiplicaPorBase(std::uint16_t base) const;

private:
    // Sets the value and normalises; on a throw nothing changes.
    void Atribui(CY value);

    CY m_valor{};
    short m_precisao = 4;
    int m_modo = kTrunca;
};

// target := left op right for '*', '+', '-', '/' (normalised by the target's rule); any other
// operator leaves the target unchanged. The integer form reads right as whole units.
void ZTAplicaOperacao(CY left, char operador, const CZTCurrencyEx& right, CZTCurrencyEx& target);
void ZTAplicaOperacao(CY left, char operador, std::int32_t right, CZTCurrencyEx& target);
