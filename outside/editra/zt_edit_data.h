// CZTEditData: a date edit over a 16-bit day value, typed under the mask "##/##/####".
//
// The value is a stored short day number (util/time/short_date.h, kind 0) or a day count from
// 1950 (CZTData1950, kind 2: 1 January 1950 is 1); 0 is the empty date and an empty text. The
// edit shows dd/mm/yyyy; a text that is no date of the kind reads as 0. Choose the kind before
// setting a value. User-interface thread.
#pragma once

#include "outside/editra/zt_edit_mascara.h"

#include <cstdint>

class CZTEditData : public CZTEditMascara {
public:
    static constexpr int kTipoDataCurta = 0;
    static constexpr int kTipoData1950 = 2;

    CZTEditData();

    // The kind of the value: kTipoData1950, any other value the short day number.
    void SetTipoData(int tipo) { m_nTipo = tipo; }
    [[nodiscard]] int GetTipoData() const { return m_nTipo; }

    // The date shown, as a value of the kind; 0 when empty or not a date.
    [[nodiscard]] std::uint16_t GetDataComoNumero() const;
    // Shows the date of `valor` (0: the empty text).
    void SetDataComoNumero(std::uint16_t valor);

private:
    int m_nTipo = kTipoDataCurta;
};
