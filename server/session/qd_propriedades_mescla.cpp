#include "server/session/qd_propriedades_mescla.h"

#include <algorithm>

QD_PROPRIEDADES_ARQ QDMesclaPropriedades(const QD_PROPRIEDADES_ARQ& gravado, const QD_PROPRIEDADES_PS& enviado,
                                         std::optional<std::uint32_t> iProxNumeroLido) {
    QD_PROPRIEDADES_ARQ novo = gravado;
    QDPropriedadesDePS(enviado, novo);
    if (iProxNumeroLido == enviado.iProxNumeroDoc) novo.iProxNumeroDoc = gravado.iProxNumeroDoc;
    novo.bFlags = static_cast<std::uint8_t>(novo.bFlags | (gravado.bFlags & QD_MIGRACOES_MARCADAS));
    novo.iVersaoSistema = std::max(novo.iVersaoSistema, gravado.iVersaoSistema);
    return novo;
}
