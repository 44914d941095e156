#include "server/search/qd_exclusoes_doc.h"

bool QDFilialAtiva(const FILIAIS_ATIVAS& filiais, std::uint16_t iFilial) {
    return iFilial < QD_QTD_FILIAIS && filiais.bAtiva[iFilial] != 0;
}

bool QDDocExcluidoDaBusca(const QD_DOC_ARQ& doc, std::uint32_t dwFlags, const FILIAIS_ATIVAS& filiais,
                          std::int32_t hoje) {
    if (doc.dwFlags & QD_DOC_EXCLUIDO) return true;
    if (doc.iFilial != 0 && !QDFilialAtiva(filiais, doc.iFilial)) return true;
    if ((dwFlags & QD_FILTRO_DOC_SEM_ANTIGAS) && doc.lNextDoc != 0) return true;
    if ((dwFlags & QD_FILTRO_DOC_SO_WEB) && !(doc.dwFlags & QD_DOC_ACESSO_WEB)) return true;
    if ((dwFlags & QD_FILTRO_DOC_SEM_VENCIDOS) && doc.iDataValidade != 0 && doc.iDataValidade < hoje) return true;
    return (dwFlags & QD_FILTRO_DOC_SEM_ESTADO_EXTRA) && (doc.dwFlags & QD_DOC_ESTADO_EXTRA);
}
