#include "server/locations/qd_busca_ptrs_locarq.h"

#include "server/locations/qd_copia_task_mem.h"
#include "server/locations/qd_filtro_locarq.h"
#include "server/locations/qd_le_locarq.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/qd_arq_t.h"

#include <optional>

namespace {

// Whether the location at `lPosicao` passes `filtro`; its accepted types are read from `tipos`
// (open only for the accepted-type test) when the other tests pass. 0 or the failing code.
int Passa(CZTArqEx& locais, CZTArqEx* tipos, std::uint32_t lPosicao, const QD_LOCARQ_FILTRO_PS& filtro, bool& passa) {
    passa = false;
    QD_LOCARQ_ARQ arq{};
    if (const int codigo = QDLeRegistroLocArq(locais, lPosicao, arq)) return codigo;
    if (!QDLocArqPassaFiltro(arq, filtro)) return 0;
    if (!tipos) {
        passa = true;
        return 0;
    }
    std::vector<std::uint32_t> lista;
    if (const int codigo = QDLeTiposLocArq(*tipos, arq, lista)) return codigo;
    passa = QDLocArqAceitaTipDoc(lista, filtro.lTipDoc);
    return 0;
}

}  // namespace

int QDBuscaPosicoesLocArq(IQDArqBind& bind, const QD_LOCARQ_FILTRO_PS& filtro, std::vector<std::uint32_t>& posicoes) {
    posicoes.clear();
    CQDArqT<QD_LOCARQ_ARQ> locais(bind);
    if (const int codigo = locais.Open('L', true)) return codigo;
    std::optional<CQDArqT<QD_LOCARQ_TIPDOC_ARQ>> tipos;
    if (filtro.dwFlags & QD_FILTRO_LOCARQ_TIPDOC) {
        tipos.emplace(bind);
        if (const int codigo = tipos->Open('L', true)) return codigo;
    }

    const std::int32_t ultima = QDUltimaPosicao(locais);
    for (std::int32_t posicao = 1; posicao <= ultima; ++posicao) {
        const auto lPosicao = static_cast<std::uint32_t>(posicao);
        bool passa = false;
        if (const int codigo = Passa(locais, tipos ? &*tipos : nullptr, lPosicao, filtro, passa)) {
            posicoes.clear();
            return codigo;
        }
        if (passa) posicoes.push_back(lPosicao);
    }
    return 0;
}

platform::HRESULT QDBuscaPtrsLocArq(IQDArqBind& bind, const QD_LOCARQ_FILTRO_PS& filtro,
                                    QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (!pRegPtrs) return platform::E_POINTER;
    std::vector<std::uint32_t> posicoes;
    if (const int codigo = QDBuscaPosicoesLocArq(bind, filtro, posicoes)) return QDHResultArq(codigo);
    std::uint32_t* array = QDCopiaTaskMemLocArq(posicoes);
    if (!array) return platform::E_OUTOFMEMORY;
    pRegPtrs->qtd = static_cast<std::uint32_t>(posicoes.size());
    pRegPtrs->pPtrs = array;
    return platform::S_OK;
}
