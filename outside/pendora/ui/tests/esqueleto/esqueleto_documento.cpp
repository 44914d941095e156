#include "outside/pendora/ui/tests/esqueleto/esqueleto_documento.h"

#include "outside/pendora/qd_app_info.h"
#include "outside/pendora/qd_array_ponteiros.h"

#include <cstring>

namespace esqueleto {

namespace {

// Every list of the type is read, so that a save writes them back as they were.
constexpr std::uint32_t kTipoInteiro = 0;

}  // namespace

bool RegistrosTipos::LeRegistros(int quantidade, const platform::DWORD* chaves, CQDTipDoc* valores) {
    CQDAppInfo& appInfo = *CQDAppInfo::GetInstance();
    if (!appInfo.TemConexao()) return false;
    return platform::SUCCEEDED(appInfo.GetConexao().LeTipDocEx(static_cast<std::uint32_t>(quantidade), chaves, valores, kTipoInteiro));
}

DocumentoTipos::DocumentoTipos() { GetRegistros().SetTamanhoCache(60, 20); }

void DocumentoTipos::OnInicializa() {
    CQDCommonDoc::OnInicializa();
    GetRegistros().SetChaves(0, nullptr);
    CQDAppInfo& appInfo = *CQDAppInfo::GetInstance();
    if (!appInfo.TemConexao()) return;
    QD_TIPDOC_FILTRO_PS filtro;
    std::memset(&filtro, 0, sizeof filtro);
    CQDArrayPonteiros achados;
    if (platform::FAILED(appInfo.GetConexao().BuscaPtrsTipDoc(filtro, achados)) || !achados->pPtrs) return;
    GetRegistros().SetChaves(static_cast<int>(achados->qtd), achados->pPtrs);
}

ZTFC_STATUS_GRAVACAO DocumentoTipos::GravaRegistro(CZTFCDados* registro) {
    ZTFC_STATUS_GRAVACAO status{};
    CQDTipDoc* tipo = CZTFCDadosClasseTempl<CQDTipDoc>::GetDados(registro);
    CQDAppInfo& appInfo = *CQDAppInfo::GetInstance();
    if (!tipo || !appInfo.TemConexao()) {
        status.lStatus = -1;
        return status;
    }
    std::uint32_t posicao = tipo->GetPosicao();
    const platform::HRESULT hr = appInfo.GetConexao().GravaTipDoc(&posicao, *tipo);
    status.lStatus = platform::SUCCEEDED(hr) ? 0 : hr;
    if (platform::SUCCEEDED(hr)) tipo->SetPosicao(posicao);
    return status;
}

}  // namespace esqueleto
