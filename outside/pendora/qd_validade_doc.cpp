#include "outside/pendora/qd_validade_doc.h"

#include "util/time/zt_data1950.h"

CZTString QDTextoValidade(std::uint16_t iDataValidade) {
    const CZTData1950 validade(iDataValidade);
    return validade.IsValida() ? validade.Formata() : CZTString();
}
