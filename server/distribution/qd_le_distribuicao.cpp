#include "server/distribution/qd_le_distribuicao.h"

#include "platform/idl/value_codec.h"
#include "server/distribution/qd_distribuicao_arq.h"
#include "server/distribution/qd_itens_distribuicao.h"
#include "server/idl/iztqd_srv.h"
#include "server/locations/qd_copia_task_mem.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/qd_resultado_arq.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

using platform::HRESULT;

// The stored positions of list `lPos`.
HRESULT LeItens(IQDArqBind& bind, std::uint32_t lPos, std::vector<std::uint32_t>& posicoes) {
    CQDArqT<QD_DISTRIBUICAO_ARQ> listas(bind);
    CQDArqT<QD_DISTRIBUICAO_ITEM_ARQ> itens(bind);
    if (const int codigo = listas.Open('L', true, true)) return QDHResultArq(codigo);
    if (const int codigo = itens.Open('L', true, true)) return QDHResultArq(codigo);
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lPos, posicao)) return QDHResultArq(codigo);
    QD_DISTRIBUICAO_ARQ lista{};
    if (const int codigo = listas.ReadRecord(posicao, &lista)) return QDHResultArq(codigo);
    return QDHResultArq(QDLeItensDistribuicao(itens, lista, posicoes));
}

// `posicoes` handed to the caller as they are.
HRESULT Entrega(const std::vector<std::uint32_t>& posicoes, QD_ARRAY_PONTEIROS_PS& distrib) {
    std::uint32_t* array = QDCopiaTaskMemLocArq(posicoes);
    if (!array) return platform::E_OUTOFMEMORY;
    distrib.qtd = static_cast<std::uint32_t>(posicoes.size());
    distrib.pPtrs = array;
    return platform::S_OK;
}

// The documents of `posicoes` that the object's own search keeps: visible to the session user and
// not deleted.
HRESULT EntregaVisiveis(IZTQD_Srv& srv, std::vector<std::uint32_t>& posicoes, QD_ARRAY_PONTEIROS_PS& distrib) {
    // A search without a position list is a search over every document: an empty list stays empty.
    if (posicoes.empty()) return Entrega(posicoes, distrib);
    QD_DOC_FILTRO_PS filtro;
    std::memset(static_cast<void*>(&filtro), 0, sizeof filtro);  // strict mode, no other criterion
    filtro.nQtdDoc = static_cast<std::uint32_t>(posicoes.size());
    filtro.pDoc = posicoes.data();
    QD_ARRAY_PONTEIROS_PS achados{};
    const HRESULT hr = srv.BuscaPtrsDoc(filtro, &achados);
    if (platform::FAILED(hr)) {
        platform::idl::Codec<QD_ARRAY_PONTEIROS_PS>::Free(achados);
        return hr;
    }
    distrib = achados;
    return hr;
}

}  // namespace

HRESULT QDLeDistribuicao(IQDArqBind& bind, IZTQD_Srv& srv, std::uint32_t lPos, QD_ARRAY_PONTEIROS_PS* pDistrib,
                         std::uint32_t dwFlags) try {
    if (!pDistrib) return platform::E_POINTER;
    *pDistrib = QD_ARRAY_PONTEIROS_PS{};
    std::vector<std::uint32_t> posicoes;
    if (const HRESULT hr = LeItens(bind, lPos, posicoes); platform::FAILED(hr)) return hr;
    if (dwFlags & QD_LEDISTRIBUICAO_VISIVEIS) return EntregaVisiveis(srv, posicoes, *pDistrib);
    return Entrega(posicoes, *pDistrib);
} catch (const std::bad_alloc&) {
    return platform::E_OUTOFMEMORY;
}
