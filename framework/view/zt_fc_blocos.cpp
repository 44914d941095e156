#include "framework/view/zt_fc_blocos.h"

namespace {

bool TemSinal(const ZTFC_BLOCO& bloco, ZTFC_SINAL sinal) {
    if (sinal == ZTFC_SINAL::Qualquer) return true;
    const auto* resultado = dynamic_cast<const ZTFC_BLOCO_RESULTADO*>(&bloco);
    if (!resultado) return false;
    return sinal == ZTFC_SINAL::Zero ? resultado->lStatus == 0 : resultado->lStatus > 0;
}

}  // namespace

ZTFC_BLOCO* ZTFCBlocoDoTipo(platform::ui::Object* objeto, platform::DWORD tamanho, ZTFC_SINAL sinal) {
    auto* bloco = dynamic_cast<ZTFC_BLOCO*>(objeto);
    if (!bloco || bloco->dwTamanho != tamanho) return nullptr;
    return TemSinal(*bloco, sinal) ? bloco : nullptr;
}
