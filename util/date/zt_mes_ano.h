// CZTMesAno: a month of a year held as its month number, month + 12 × (year − 1848)
// (January 1848 = 1 .. December 4717 = 34440; 0 = no month): periods, month keys and the
// month nodes of dated lists.
//
// A plain value of one 16-bit field, copied by value, no virtual operations. The setters return
// the object (or a flag where noted); an input outside the rules leaves the value 0. Not shared
// between threads without outside locking.
#pragma once

#include "util/date/zt_data.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTMesAno {
public:
    static constexpr std::uint16_t VALOR_MINIMO = ZT_MES_MINIMO;
    static constexpr std::uint16_t VALOR_MAXIMO = ZT_MES_MAXIMO;

    CZTMesAno() = default;

    // ---- Setting -------------------------------------------------------------------------
    // The month of month 1..12 and year 1848..4717 (below 100 windowed); else 0.
    CZTMesAno& SetMesAno(int mes, int ano);
    // Accepts 0 or 1..34440 and returns true; anything else sets 0 and returns false.
    bool SetValor(std::uint32_t valor);
    // From a short month number: kept when 949..3102 (there both numberings agree), else 0.
    CZTMesAno& SetMesAnoCurto(std::uint16_t curto);
    // From a month count of the 1850 numbering: 1..2154 are shifted by 24, anything else gives 0.
    CZTMesAno& SetMeses1850(std::int32_t meses);
    // The month of a date (0 for an empty or invalid date).
    CZTMesAno& operator=(const CZTData& data);
    // Replace one part and rebuild; an empty or invalid value becomes empty instead.
    CZTMesAno& SetMes(int mes);
    CZTMesAno& SetAno(int ano);
    CZTMesAno& Limpa() { m_nValor = 0; return *this; }
    // The current month from the system clock; 0 when the clock gives nothing.
    CZTMesAno& SetHoje();
    // Typed month text. Unless comBarra is set, only the digits are kept and a '/' goes after the
    // second (mmaaaa → mm/aaaa); then the digit-state parser reads it. 0 when rejected.
    CZTMesAno& SetTexto(const char* texto, bool comBarra);
    // Parses text of month-year type 6..9 with the separator; an empty text gives 0 and true;
    // a rejected text gives 0 and false.
    bool SetTextoFormato(const char* texto, int tipo, char separador);

    // ---- Reading -------------------------------------------------------------------------
    [[nodiscard]] std::uint16_t GetValor() const { return m_nValor; }
    // Parts, 0 for an empty or invalid value; the year as year mod 100 unless quatroDigitos.
    [[nodiscard]] int GetMes() const;
    [[nodiscard]] int GetAno(bool quatroDigitos = true) const;
    // Splits into month and four-digit year (zeros for an empty or invalid value); true when valid.
    bool Desmonta(int& mes, int& ano) const;
    // Day 1 / the last day of this month (an empty date for an empty or invalid value).
    [[nodiscard]] CZTData GetPrimeiroDia() const;
    [[nodiscard]] CZTData GetUltimoDia() const;

    [[nodiscard]] bool IsValida() const { return ZTIsMesNumeroValido(m_nValor); }
    [[nodiscard]] bool IsVazia() const { return m_nValor == 0; }
    [[nodiscard]] bool IsPreenchida() const { return m_nValor != 0; }
    // CZTData::valida, invalida or vazia.
    [[nodiscard]] int GetStatus() const;

    // ---- Arithmetic and text --------------------------------------------------------------
    // Adds months (negative allowed); a result outside 1..34440 empties the value, and an empty
    // or invalid value stays empty. Takes more than the 16 bits of a month count so that a jump
    // across the whole range is not cut short.
    CZTMesAno& Soma(int meses);
    // Text by month-year type 0..9 (see date_format.h) and separator, two-digit years as two digits.
    [[nodiscard]] CZTString Formata(int tipo, char separador) const;

private:
    std::uint16_t m_nValor = 0;
};
