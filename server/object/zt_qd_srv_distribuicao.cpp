// The distribution-list methods of the server object (server/distribution).
#include "server/object/zt_qd_srv.h"

#include "server/distribution/qd_grava_distribuicao.h"
#include "server/distribution/qd_le_distribuicao.h"

platform::HRESULT CZTQD_Srv::LeDistribuicao(std::uint32_t lPos, QD_ARRAY_PONTEIROS_PS* pDistrib, std::uint32_t dwFlags) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDLeDistribuicao(*this, *this, lPos, pDistrib, dwFlags);
}
platform::HRESULT CZTQD_Srv::GravaDistribuicao(std::uint32_t* pPos, QD_ARRAY_PONTEIROS_PS ps) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGravaDistribuicao(*this, pPos, ps);
}
