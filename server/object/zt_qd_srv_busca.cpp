// The document search methods of the server object (server/search).
#include "server/object/zt_qd_srv.h"

#include "server/search/qd_busca_ptrs_doc.h"
#include "server/search/qd_busca_rapida.h"
#include "server/search/qd_sessao_busca.h"

platform::HRESULT CZTQD_Srv::BuscaPtrsDoc(QD_DOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDBuscaPtrsDoc(QDSessaoBuscaDe(*this), filtro, pRegPtrs);
}
platform::HRESULT CZTQD_Srv::BuscaRapida(platform::BSTR bsBuscaRapida, std::int32_t bAcessoWeb,
                                         QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDBuscaRapida(QDSessaoBuscaDe(*this), bsBuscaRapida, bAcessoWeb, pRegPtrs);
}
