#include "outside/pendora/qd_doc_filtro.h"

#include "outside/pendora/qd_token_mngr.h"
#include "platform/com/bstr.h"

namespace {

bool TemPalavraDeBusca(platform::BSTR bsTexto) {
    if (!bsTexto || platform::SysStringLen(bsTexto) == 0) return false;
    return CQDTokenMngr(platform::AnsiFromBstr(bsTexto).view()).GetQtdTokens() > 0;
}

}  // namespace

bool CQDDocFiltro::IsEmpty(const QD_DOC_FILTRO_PS& filtro) {
    const bool algum = filtro.iNrLocalizacaoIni != 0 || filtro.dataInclusaoIni != 0 ||
                       filtro.dataModificacaoIni != 0 || filtro.iDataEmissaoIni != 0 ||
                       filtro.iDataValidadeIni != 0 || filtro.iUsuarioIncluiu != 0 || filtro.iUsuarioAlterou != 0 ||
                       filtro.szOriginalFileName[0] != '\0' || filtro.nQtdTipDoc != 0 || filtro.lLocArq != 0 ||
                       filtro.nQtdCampos != 0 || TemPalavraDeBusca(filtro.bsDescricao);
    return !algum;
}
