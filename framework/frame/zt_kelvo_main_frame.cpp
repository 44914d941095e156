#include "framework/frame/zt_kelvo_main_frame.h"

#include "framework/app/zt_kelvo_app_info.h"
#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_app.h"
#include "framework/help/zt_fc_ajuda.h"
#include "outside/editra/zt_about_box.h"
#include "outside/linkora/zt_check_memory.h"

namespace {

CZTString TituloDaAplicacao() {
    const CZTFCApp* app = ZTGetApp();
    return app ? app->GetTitulo() : CZTString();
}

CZTString CodigoDoSistema() {
    const CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    return appInfo ? appInfo->GetSistema() : CZTString();
}

}  // namespace

CZTKelvoMainFrame::CZTKelvoMainFrame(std::unique_ptr<CZTStatusBar> barra)
    : m_pBarra(barra ? std::move(barra) : std::make_unique<CZTStatusBar>()) {
    MapCommand(ID_HELP, [this] { OnHelp(); });
    MapCommand(ID_HELP_INDEX, [this] { OnHelpIndex(); });
    MapCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
}

CZTKelvoMainFrame::~CZTKelvoMainFrame() = default;

void CZTKelvoMainFrame::ActivateFrame(int nCmdShow) {
    CZTFCMainFrame::ActivateFrame(nCmdShow);
    const CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    MostraTitulo(appInfo ? appInfo->GetRazaoSocial() : CZTString());
    const auto* usuario = dynamic_cast<const CZTKelvoUsuario*>(ZTGetUsuarioApp());
    m_pBarra->SetUsuarioEmpresa(usuario ? usuario->GetNomeUsuario() : CZTString(),
                                appInfo ? appInfo->GetEmpresa() : CZTString());
}

int CZTKelvoMainFrame::OnCreate() {
    if (CZTFCMainFrame::OnCreate() == -1) return -1;
    ZTSetTimerCheckMemory(this);
    return m_pBarra->Cria(this) ? 0 : -1;
}

platform::LRESULT CZTKelvoMainFrame::WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
    switch (message) {
    case ZT_WM_RAZAO_SOCIAL: MostraTitulo(reinterpret_cast<const char*>(wParam)); return 0;
    case platform::ui::WM_HELP:
        ZTFCAbreAjudaContexto(reinterpret_cast<const platform::ui::HELPINFO*>(lParam), CodigoDoSistema());
        return platform::TRUE;
    default: return CZTFCMainFrame::WindowProc(message, wParam, lParam);
    }
}

void CZTKelvoMainFrame::OnHelp() { ZTFCAbreAjuda(CodigoDoSistema()); }

void CZTKelvoMainFrame::OnHelpIndex() { ZTFCAbreAjudaIndice(CodigoDoSistema()); }

void CZTKelvoMainFrame::OnAppAbout() { ZTAboutBox(TituloDaAplicacao(), CodigoDoSistema(), ZT_VERSAO_KELVO); }

void CZTKelvoMainFrame::MostraTitulo(const char* empresa) {
    SetWindowText(CZTString::Formata("%s - %s", TituloDaAplicacao().GetString(), empresa ? empresa : ""));
}
