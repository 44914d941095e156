#include "outside/editra/zt_edit_data.h"

#include "util/time/short_date.h"
#include "util/time/short_date_text.h"
#include "util/time/zt_data1950.h"

#include <string>

namespace {

std::string DigitosDe(const char* texto) {
    std::string digitos;
    for (; *texto; ++texto) {
        if (*texto >= '0' && *texto <= '9') digitos += *texto;
    }
    return digitos;
}

}  // namespace

CZTEditData::CZTEditData() { SetMascara("##/##/####"); }

std::uint16_t CZTEditData::GetDataComoNumero() const {
    platform::String texto;
    GetWindowText(texto);
    if (m_nTipo != kTipoData1950) return ZTValidaTextoData(texto, false, false) ? ZTTextoParaData(texto) : 0;
    // A count from 1950 is only the text that it gives back: no date is clamped into another.
    const CZTData1950 data = CZTData1950().SetTexto(texto);
    return data.IsValida() && DigitosDe(data.Formata()) == DigitosDe(texto) ? data.GetDias() : 0;
}

void CZTEditData::SetDataComoNumero(std::uint16_t valor) {
    if (valor == 0) {
        SetTexto("");
        return;
    }
    if (m_nTipo == kTipoData1950) {
        SetTexto(CZTData1950(valor).Formata());
        return;
    }
    char texto[ZT_TEXTO_DATA_CURTA];
    SetTexto(ZTDataParaTexto(valor, texto, true));
}
