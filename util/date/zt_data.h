// CZTData: a date held as its day number (1 January 1848 = 2 .. 31 December 4717 = 1048247;
// 0 = no date), the form in which the system stores, compares and shows every date.
//
// A plain value of one 32-bit field, copied by value, no virtual operations. The setters return
// the object (or a flag where noted); an input outside the rules leaves the value 0. The raw
// constructor and operator++ store whatever they are given, as the records do. Not shared
// between threads without outside locking.
#pragma once

#include "util/date/day_number.h"
#include "util/text/zt_string.h"

#include <compare>
#include <cstdint>

class CZTData {
public:
    // GetStatus results.
    enum Status { valida = 0, invalida = 1, vazia = 2 };
    // Soma units.
    enum Unidade { unidadeAno = 1, unidadeMes = 2, unidadeSemana = 3, unidadeDia = 4, unidadeHora = 5 };

    static constexpr std::uint32_t VALOR_MINIMO = ZT_DIA_MINIMO;
    static constexpr std::uint32_t VALOR_MAXIMO = ZT_DIA_MAXIMO;
    [[nodiscard]] static std::uint32_t GetMinimo() { return VALOR_MINIMO; }
    [[nodiscard]] static std::uint32_t GetMaximo() { return VALOR_MAXIMO; }

    // Keeps the raw day number as given.
    explicit CZTData(std::uint32_t valor = 0) : m_lValor(valor) {}

    // ---- Setting -------------------------------------------------------------------------
    // The date of day, month, year (a year below 100 through the two-digit window, the day
    // clamped); 0 when refused.
    CZTData& SetData(int dia, int mes, int ano);
    // Accepts 0 or 2..1048247 and returns true; anything else sets 0 and returns false.
    bool SetValor(std::uint32_t valor);
    // From a stored short day value (util/time/short_date.h): the day number it means; 0 stays 0.
    CZTData& SetDataCurta(std::uint16_t curta);
    // From a day count of the 1850 numbering (whose 1900 has a 29 February); 0 stays 0.
    CZTData& SetDias1850(std::int32_t dias);
    // Replace one part of the date and rebuild it (the day clamped); an empty date stays empty.
    CZTData& SetDia(int dia);
    CZTData& SetMes(int mes);
    CZTData& SetAno(int ano);
    // Day 1 / the last day of the date's month.
    CZTData& SetPrimeiroDiaMes();
    CZTData& SetUltimoDiaMes();
    // Today's local date from the system clock; 0 when the clock gives nothing.
    CZTData& SetHoje();
    // The local date of a 32-bit moment (unsigned seconds since 1970); 0 for t = 0.
    CZTData& SetTimeT(std::uint32_t t);
    // Parses typed date text (d/m/y, blanks allowed) with the digit-state parser; 0 when rejected.
    CZTData& SetTexto(const char* texto);
    // Parses text of date format type 0..5 with the separator; an empty text gives 0 and true;
    // a rejected text gives 0 and false.
    bool SetTextoFormato(const char* texto, int tipo, char separador);
    CZTData& Limpa() { m_lValor = 0; return *this; }

    // ---- Reading -------------------------------------------------------------------------
    [[nodiscard]] std::uint32_t GetValor() const { return m_lValor; }
    // The stored short day value of the date; 0 for an empty date and for one without a short
    // form (before 1927 or after 5 June 2106).
    [[nodiscard]] std::uint16_t GetDataCurta() const;
    // The count of the 1850 numbering; 0 stays 0 (dates before 1850 give counts of 0 or less).
    [[nodiscard]] std::int32_t GetDias1850() const;
    // Parts of the date, 0 for an empty or invalid value; the year as year mod 100 unless
    // quatroDigitos is set.
    [[nodiscard]] int GetDia() const;
    [[nodiscard]] int GetMes() const;
    [[nodiscard]] int GetAno(bool quatroDigitos = true) const;
    // Splits into day, month and four-digit year (all 0 for an empty or invalid value); true when valid.
    bool Desmonta(int& dia, int& mes, int& ano) const;
    [[nodiscard]] CZTData GetPrimeiroDiaMes() const;
    [[nodiscard]] CZTData GetUltimoDiaMes() const;

    [[nodiscard]] bool IsValida() const { return ZTIsDiaNumeroValido(m_lValor); }
    [[nodiscard]] bool IsVazia() const { return m_lValor == 0; }
    [[nodiscard]] bool IsPreenchida() const { return m_lValor != 0; }
    // valida, invalida or vazia.
    [[nodiscard]] int GetStatus() const;

    // ---- Moments -------------------------------------------------------------------------
    // Local midnight as a 64-bit time value; 0 for an empty or invalid date. Raises
    // platform::ComError(E_FAIL) before 1900 and ComError(E_INVALIDARG) when not representable.
    [[nodiscard]] std::int64_t GetCTime() const;
    // The same as a 32-bit moment: 0 for a midnight before 1970, ComError(E_INVALIDARG) for one
    // after 7 February 2106.
    [[nodiscard]] std::uint32_t GetTimeT() const;
    // The OLE date-time value of the date's midnight and true; 0 and true for an empty date; for an
    // invalid value an invalid OLE value (NaN) and false.
    bool GetOleData(double& oleData) const;

    // ---- Arithmetic ----------------------------------------------------------------------
    // Adds days; a result outside 2..1048247 empties the date (it is lost, not clamped).
    CZTData& SomaDias(std::int64_t dias);
    // Adds months keeping the day (clamped to the new month); out of range empties the date.
    CZTData& SomaMeses(std::int64_t meses);
    // Adds years keeping day and month (29 February clamped); out of range empties the date.
    CZTData& SomaAnos(std::int64_t anos);
    // Adds an amount given in ten-thousandths of a unit (Unidade); months before days.
    CZTData& Soma(std::int64_t quantidade, int unidade);
    // Returns the old value and adds one to the raw number, unchecked.
    CZTData operator++(int);

    friend auto operator<=>(const CZTData&, const CZTData&) = default;

    // ---- Texts ---------------------------------------------------------------------------
    // Weekday 1 = Sunday .. 7 = Saturday; 0 for an empty or invalid value.
    [[nodiscard]] int GetDiaSemana() const;
    // The weekday name into the buffer, cut to tamanho − 1 characters, or to 3 when abbreviated
    // and the buffer holds more than 4; an empty text for an invalid date. Returns the buffer.
    char* GetNomeDiaSemana(char* buffer, int tamanho, bool abreviado) const;
    // Text by format type 0..9 with the separator (0 = none); two-digit types print two digits.
    [[nodiscard]] CZTString Formata(int tipo, char separador) const;
    // The same into the caller's buffer, with the formatter's four-digit flag. Returns the buffer.
    char* Formata(char* buffer, int tamanho, int tipo, char separador, bool quatroDigitos) const;

private:
    std::uint32_t m_lValor;
};
