#include "outside/pendora/ui/qd_itens_codigo.h"

#include "outside/pendora/conexao_ged_srv.h"

#include <cstring>

namespace {

using platform::HRESULT;

// BuscaPtrsTipDoc: only types that list the filter's process.
constexpr std::uint32_t kTipDocDoProcesso = 0x01;
// BuscaPtrsLocArq: only locations that accept the filter's type.
constexpr std::uint32_t kLocArqAceitaTipDoc = 0x20;
// LeTipDoc: users, processes and fields left out; LeLocArq: accepted types left out.
constexpr std::uint32_t kTipDocSemListas = 0x1 | 0x2 | 0x4;
constexpr std::uint32_t kLocArqSemTipos = 0x1;

// A record's text field up to its first NUL, or whole when it has none.
template <std::size_t N>
platform::String Texto(const char (&campo)[N]) {
    return platform::String(campo, static_cast<int>(::strnlen(campo, N)));
}

// A filter record with every byte zero: no test of its own.
template <class Filtro>
Filtro FiltroVazio() {
    Filtro filtro;
    std::memset(&filtro, 0, sizeof filtro);
    return filtro;
}

// Finds the positions with `busca`(found), reads those records with `le`(qtd, positions,
// objects) and takes each one's code and description with `item`; `itens` stays empty on failure.
template <class Classe, class Busca, class Le, class Item>
HRESULT LeItens(std::vector<CQDItemCodigo>& itens, Busca busca, Le le, Item item) {
    itens.clear();
    CQDArrayPonteiros achados;
    if (const HRESULT hr = busca(achados); platform::FAILED(hr)) return hr;
    const std::uint32_t qtd = achados->pPtrs ? achados->qtd : 0;
    std::vector<Classe> registros(qtd);
    if (const HRESULT hr = le(qtd, achados->pPtrs, registros.data()); platform::FAILED(hr)) return hr;
    itens.reserve(qtd);
    for (const Classe& registro : registros) itens.push_back(item(registro));
    return platform::S_OK;
}

}  // namespace

HRESULT QDLeItensTipDoc(CConexaoGedSrv& conexao, QD_E_PROCESSO eProcesso, std::vector<CQDItemCodigo>& itens) {
    auto filtro = FiltroVazio<QD_TIPDOC_FILTRO_PS>();
    if (eProcesso != QD_PROCESSO_COUNT) {
        filtro.dwFlags = kTipDocDoProcesso;
        filtro.eProc = eProcesso;
    }
    return LeItens<CQDTipDoc>(
        itens, [&](CQDArrayPonteiros& achados) { return conexao.BuscaPtrsTipDoc(filtro, achados); },
        [&](std::uint32_t qtd, const std::uint32_t* pPos, CQDTipDoc* pTipos) {
            return conexao.LeTipDocEx(qtd, pPos, pTipos, kTipDocSemListas);
        },
        [](const CQDTipDoc& tipo) { return CQDItemCodigo{tipo.GetPosicao(), Texto(tipo->szCodigo), Texto(tipo->szNome)}; });
}

HRESULT QDLeItensLocArq(CConexaoGedSrv& conexao, std::uint32_t lTipDoc, std::vector<CQDItemCodigo>& itens) {
    auto filtro = FiltroVazio<QD_LOCARQ_FILTRO_PS>();
    if (lTipDoc != 0) {
        filtro.dwFlags = kLocArqAceitaTipDoc;
        filtro.lTipDoc = lTipDoc;
    }
    return LeItens<CQDLocArq>(
        itens, [&](CQDArrayPonteiros& achados) { return conexao.BuscaPtrsLocArq(filtro, achados); },
        [&](std::uint32_t qtd, const std::uint32_t* pPos, CQDLocArq* pLocais) {
            return conexao.LeLocArqEx(qtd, pPos, pLocais, kLocArqSemTipos);
        },
        [](const CQDLocArq& local) { return CQDItemCodigo{local.GetPosicao(), Texto(local->szCodigo), Texto(local->szDescricao)}; });
}
