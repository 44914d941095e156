#include "server/distribution/qd_grava_distribuicao.h"

#include "server/distribution/qd_distribuicao_arq.h"
#include "server/distribution/qd_itens_distribuicao.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

namespace {

using platform::HRESULT;

// Refusals that need no file: what no client could have meant to store.
HRESULT Valida(const std::uint32_t* pPos, const QD_ARRAY_PONTEIROS_PS& ps) {
    if (!pPos) return platform::E_POINTER;
    if (ps.qtd == 0 || ps.qtd > QD_DISTRIBUICAO_MAX_ITENS) return platform::E_INVALIDARG;
    if (!ps.pPtrs) return platform::E_POINTER;
    return platform::S_OK;
}

}  // namespace

HRESULT QDGravaDistribuicao(IQDArqBind& bind, std::uint32_t* pPos, const QD_ARRAY_PONTEIROS_PS& ps) {
    if (const HRESULT hr = Valida(pPos, ps); platform::FAILED(hr)) return hr;
    std::int32_t posicao = 0;
    if (*pPos != 0) {
        if (const int codigo = QDPosicaoRegistro(*pPos, posicao)) return QDHResultArq(codigo);
    }
    CQDArqT<QD_DISTRIBUICAO_ARQ> listas(bind);
    CQDArqT<QD_DISTRIBUICAO_ITEM_ARQ> itens(bind);
    if (const int codigo = listas.Open('G', true, true)) return QDHResultArq(codigo);
    if (const int codigo = itens.Open('G', true, true)) return QDHResultArq(codigo);

    QD_DISTRIBUICAO_ARQ lista{};
    if (posicao != 0) {
        if (const int codigo = listas.ReadRecord(posicao, &lista)) return QDHResultArq(codigo);
    }
    if (const int codigo = QDGravaItensDistribuicao(itens, {ps.pPtrs, ps.qtd}, lista)) return QDHResultArq(codigo);
    if (const int codigo = listas.WriteRecord(&lista, posicao)) return QDHResultArq(codigo);
    *pPos = static_cast<std::uint32_t>(posicao);
    return platform::S_OK;
}
