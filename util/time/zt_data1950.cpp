#include "util/time/zt_data1950.h"

#include "util/time/current_time.h"
#include "util/time/day_counts.h"

#include <limits>

static_assert(sizeof(CZTData1950) == 2, "CZTData1950 is one 16-bit day count");

CZTData1950& CZTData1950::SetDias(std::int32_t dias) {
    const bool cabe = dias >= 1 && dias <= std::numeric_limits<std::uint16_t>::max();
    m_nDias = cabe ? static_cast<std::uint16_t>(dias) : 0;
    return *this;
}

CZTData1950& CZTData1950::SetHoje() { return SetData(static_cast<std::uint16_t>(ZTGetDataHoje(false))); }

CZTData1950& CZTData1950::SetTexto(const char* texto) { return SetDias(ZTTextoParaDiasBase(texto, ANO_BASE)); }

CZTData1950& CZTData1950::SetData(std::uint16_t dataCurta) {
    return SetDias(ZTDataCurtaParaDiasBase(dataCurta, ANO_BASE));
}

CZTString CZTData1950::Formata() const { return ZTDiasBaseParaTexto(m_nDias, ANO_BASE); }

std::int32_t CZTData1950::GetDias1848() const { return static_cast<std::int32_t>(m_nDias) + 731; }
