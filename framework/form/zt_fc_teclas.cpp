#include "framework/form/zt_fc_teclas.h"

#include "framework/app/zt_fc_usuario.h"
#include "framework/application/zt_fc_acesso.h"
#include "platform/ui/control/button.h"
#include "platform/ui/window/virtual_keys.h"
#include "platform/ui/window/wnd.h"

using platform::ui::MSG;
using platform::ui::Wnd;
using platform::ui::WindowKind;

namespace {

bool EnterComoTab() {
    const CZTFCUsuario* usuario = ZTGetUsuarioApp();
    return !usuario || usuario->GetEnterComoTab();
}

}  // namespace

std::optional<ZTFCTeclaNavegacao> ZTFCLeTeclaNavegacao(const MSG* pMsg) {
    if (!pMsg || pMsg->message != platform::ui::WM_KEYDOWN || pMsg->control || pMsg->alt) return std::nullopt;
    const bool bEnter = pMsg->wParam == platform::ui::VK_RETURN;
    if (pMsg->wParam != platform::ui::VK_TAB && !(bEnter && EnterComoTab())) return std::nullopt;
    return ZTFCTeclaNavegacao{bEnter, pMsg->shift, Wnd::FromHandle(pMsg->hwnd)};
}

platform::BOOL ZTFCClicaBotao(Wnd& destino, Wnd* botao) {
    if (!botao || botao->GetKind() != WindowKind::PushButton) return platform::FALSE;
    destino.SendMessage(platform::ui::WM_COMMAND,
                        platform::MAKEWPARAM(static_cast<platform::WORD>(botao->GetDlgCtrlID()), platform::ui::BN_CLICKED),
                        reinterpret_cast<platform::LPARAM>(botao->m_hWnd));
    return platform::TRUE;
}

bool ZTFCIsEditMultiLinha(const Wnd* janela) { return janela && janela->GetKind() == WindowKind::WantReturnEdit; }

void ZTFCFocaNoDialogo(Wnd& dialogo, Wnd& controle) {
    dialogo.SendMessage(platform::ui::WM_NEXTDLGCTL, reinterpret_cast<platform::WPARAM>(controle.m_hWnd), platform::TRUE);
}
