#include "framework/tests/frame_teste.h"

#include "framework/app/zt_kelvo_app_info.h"
#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/document/zt_fc_document.h"
#include "framework/status/zt_status_bar_ids.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/ui/message/messages.h"

namespace framework::testing {

CZTFrameTeste::CZTFrameTeste(std::unique_ptr<CZTStatusBar> barra)
    : m_pBarra(barra ? std::move(barra) : std::make_unique<CZTStatusBar>()) {
    m_pBarra->SetPaineis(ZTSTATUS_PAINEIS_PADRAO | ZTSTATUS_PAINEL_USUARIO);
}

platform::BOOL CZTFrameTeste::OnCreateClient(platform::ui::CreateContext* context) {
    if (!FrameWnd::OnCreateClient(context)) return platform::FALSE;
    return m_pBarra->Cria(this);
}

void CZTFrameTeste::ActivateFrame(int nCmdShow) {
    FrameWnd::ActivateFrame(nCmdShow);
    PostMessage(platform::ui::WM_APP);
    const auto* usuario = dynamic_cast<const CZTKelvoUsuario*>(ZTGetUsuarioApp());
    const CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    m_pBarra->SetUsuarioEmpresa(usuario ? usuario->GetNomeUsuario() : CZTString(),
                                appInfo ? appInfo->GetEmpresa() : CZTString());
}

platform::LRESULT CZTFrameTeste::WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
    if (message != platform::ui::WM_APP) return FrameWnd::WindowProc(message, wParam, lParam);
    OnInicializaDocumento();
    return 0;
}

void CZTFrameTeste::OnInicializaDocumento() {
    auto* documento = dynamic_cast<CZTFCDocument*>(GetActiveDocument());
    if (!documento) return;
    documento->OnInicializa();
    documento->UpdateAllViews(nullptr, ZTFC_HINT_INICIALIZA);
}

}  // namespace framework::testing
