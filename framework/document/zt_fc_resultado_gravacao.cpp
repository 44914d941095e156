#include "framework/document/zt_fc_resultado_gravacao.h"

#include "framework/data/zt_fc_dados.h"

void ZTFCLiberaRegistros(ZTFC_BLOCO_RESULTADO& bloco) {
    if (auto* um = dynamic_cast<ZTFC_BLOCO_GRAVADO*>(&bloco)) {
        delete um->pRegistro;
        um->pRegistro = nullptr;
        return;
    }
    auto* lote = dynamic_cast<ZTFC_BLOCO_LOTE*>(&bloco);
    if (!lote) return;
    ZTFCLiberaLote(lote->nQuantidade, lote->ppRegistros);
    lote->ppRegistros = nullptr;
}

void ZTFCLiberaLote(std::int32_t quantidade, CZTFCDados** registros) {
    if (!registros) return;
    for (std::int32_t i = 0; i < quantidade; ++i) delete registros[i];
    delete[] registros;
}

std::int32_t ZTFCTomaExtra(ZTFC_BLOCO_RESULTADO& bloco) {
    const std::int32_t extra = bloco.pExtra ? *bloco.pExtra : 0;
    delete bloco.pExtra;
    bloco.pExtra = nullptr;
    return extra;
}

std::int32_t ZTFCLinhaDoResultado(const ZTFC_BLOCO_RESULTADO& bloco, std::int32_t linhaRegistro,
                                  std::int32_t linhaLote) {
    return bloco.dwTamanho == ZTFC_BLOCO_RESULTADO_LOTE ? linhaLote : linhaRegistro;
}
