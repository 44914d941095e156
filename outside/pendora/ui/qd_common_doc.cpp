#include "outside/pendora/ui/qd_common_doc.h"

#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_fc_acesso.h"
#include "outside/empral/zt_sessoes.h"
#include "outside/pendora/qd_app_info.h"

void CQDCommonDoc::OnInicializa() {
    CZTKelvoDocument::OnInicializa();
    LigaConexao();
}

void CQDCommonDoc::FechaEmpresa() {
    // Released first, so that no view told of the closing still finds the company's server.
    CQDAppInfo::GetInstance()->Libera();
    CZTKelvoDocument::FechaEmpresa();
}

std::uint16_t CQDCommonDoc::UsuarioDaSessao(std::int32_t lNumeroSecao) {
    ZT_SESSAO sessao;
    return ZTLeSessao(lNumeroSecao, sessao) == platform::S_OK ? sessao.iUsuario : 0;
}

void CQDCommonDoc::LigaConexao() {
    CQDAppInfo* appInfo = CQDAppInfo::GetInstance();
    const CZTKelvoAppInfo* sessao = ZTGetAppInfo();
    if (!sessao || !sessao->TemEmpresa()) {
        appInfo->Libera();
        return;
    }
    const std::int32_t lNumeroSecao = sessao->GetNumeroSecao();
    if (platform::FAILED(appInfo->Inicializa(sessao->GetEmpresa(), UsuarioDaSessao(lNumeroSecao), lNumeroSecao))) {
        appInfo->Libera();  // the server object whose session failed is not kept
        return;
    }
    (void)appInfo->LePropriedades();  // a failed read has been shown and leaves no properties
}
