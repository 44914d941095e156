// CZTData1950: a date held as its day count from the base year 1950 (1 January 1950 = 1; 0 =
// empty) in one 16-bit field, the form some older records keep (see util/time/day_counts.h).
//
// A plain value copied by value, no virtual operations. Dates before 1950 (negative counts) and
// after the field's last day (count 65535, in 2129) do not fit: setters store 0 for them. Not
// shared between threads without outside locking.
#pragma once

#include "util/text/zt_string.h"

#include <cstdint>

class CZTData1950 {
public:
    static constexpr int ANO_BASE = 1950;

    // Keeps the raw count as given.
    explicit CZTData1950(std::uint16_t dias = 0) : m_nDias(dias) {}

    // Today's short day number converted to the count (empty when today has no short form). Raises
    // what the clock raises.
    CZTData1950& SetHoje();
    // The count of date text dd/mm/yyyy (digits only: day 2, month 2, year 4).
    CZTData1950& SetTexto(const char* texto);
    // The count of a short day number.
    CZTData1950& SetData(std::uint16_t dataCurta);

    [[nodiscard]] std::uint16_t GetDias() const { return m_nDias; }
    // dd/mm/yyyy (the year unpadded); 00/00/0000 when empty.
    [[nodiscard]] CZTString Formata() const;
    // The count plus 731, the shift between the counts from 1850 and from 1848.
    [[nodiscard]] std::int32_t GetDias1848() const;
    // Every non-zero count (1..65535) is valid.
    [[nodiscard]] bool IsValida() const { return m_nDias != 0; }

private:
    CZTData1950& SetDias(std::int32_t dias);

    std::uint16_t m_nDias;
};
