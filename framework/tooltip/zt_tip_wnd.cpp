#include "framework/tooltip/zt_tip_wnd.h"

#include "framework/tooltip/zt_tip_retangulo.h"
#include "platform/exception.h"
#include "platform/ui/control/tab_ctrl.h"
#include "platform/ui/draw/draw_text.h"
#include "platform/ui/draw/scratch_canvas.h"
#include "platform/ui/draw/system_colours.h"
#include "platform/ui/window/window_class.h"

using platform::BOOL;
using platform::LPARAM;
using platform::LRESULT;
using platform::UINT;
using platform::WPARAM;
using platform::ui::Rect;
using platform::ui::Wnd;

namespace {

constexpr const char* kClasse = "ZT_TOOLTIP_WND";
// The class's background, which the tip paints.
constexpr int kCorFundo = platform::ui::COLOR_INFOBK;
constexpr platform::ui::Colour kPreto = platform::ui::Rgb(0, 0, 0);
// The thin border of the window; the client area lies inside it.
constexpr int kBorda = 1;

// A page of a tab control gives way to the tab control's parent.
Wnd* PaiDaDica(Wnd* pai) {
    Wnd* avo = pai->GetParent();
    if (avo && dynamic_cast<const platform::ui::TabCtrl*>(avo) && avo->GetParent()) return avo->GetParent();
    return pai;
}

// The four edges of `janela` one border wide.
void DesenhaBorda(platform::ui::Canvas& canvas, const Rect& janela) {
    canvas.FillRect({janela.left, janela.top, janela.right, janela.top + kBorda}, kPreto);
    canvas.FillRect({janela.left, janela.bottom - kBorda, janela.right, janela.bottom}, kPreto);
    canvas.FillRect({janela.left, janela.top, janela.left + kBorda, janela.bottom}, kPreto);
    canvas.FillRect({janela.right - kBorda, janela.top, janela.right, janela.bottom}, kPreto);
}

}  // namespace

CZTTipWnd::CZTTipWnd() = default;

void CZTTipWnd::RegistraClasse() {
    if (platform::ui::GetWndClassInfo(kClasse)) return;
    if (!platform::ui::RegisterWndClass({kClasse, platform::ui::CS_SAVEBITS, kCorFundo + 1})) {
        throw new platform::ResourceException;
    }
}

BOOL CZTTipWnd::Cria(Wnd* pai, Wnd* controle) {
    if (GetSafeHwnd() || !pai || !controle) return platform::FALSE;
    pai = PaiDaDica(pai);
    m_pControle = controle;
    RegistraClasse();
    Rect retangulo;
    controle->GetWindowRect(&retangulo);
    pai->ScreenToClient(&retangulo);
    if (!Create(pai, 0, retangulo, 0)) return platform::FALSE;
    m_bRestauraClipChildren = (pai->GetStyle() & platform::ui::WS_CLIPCHILDREN) != 0;
    return platform::TRUE;
}

void CZTTipWnd::OnPaint(platform::ui::Canvas& canvas) {
    Rect cliente;
    GetClientRect(&cliente);
    canvas.FillRect(cliente, platform::ui::GetSysColor(kCorFundo));
    DesenhaBorda(canvas, cliente);
    if (!m_pControle) return;
    platform::String texto;
    m_pControle->GetWindowText(texto);
    canvas.SelectFont(m_fonte);
    canvas.SetTextColour(kPreto);
    cliente.Deflate(kBorda, kBorda);
    cliente.left += 1;
    cliente.top += 1;
    platform::ui::DrawText(canvas, texto, &cliente, kZTFormatoDica);
}

LRESULT CZTTipWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT resultado = Wnd::WindowProc(message, wParam, lParam);
    if (message == platform::ui::WM_SHOWWINDOW) OnShowWindow(wParam != 0);
    return resultado;
}

void CZTTipWnd::OnShowWindow(bool mostra) {
    Wnd* pai = GetParent();
    if (!pai || !m_pControle) return;
    if (mostra) {
        Rect controle;
        m_pControle->GetWindowRect(&controle);
        pai->ScreenToClient(&controle);
        Rect cliente;
        pai->GetClientRect(&cliente);
        platform::String texto;
        m_pControle->GetWindowText(texto);
        platform::ui::ScratchCanvas dc;
        dc.SelectFont(m_fonte);
        MoveWindow(ZTRetanguloDica(dc, texto, controle, {cliente.Width(), cliente.Height()}));
    }
    if (m_bRestauraClipChildren) {
        pai->ModifyStyle(mostra ? platform::ui::WS_CLIPCHILDREN : 0, mostra ? 0 : platform::ui::WS_CLIPCHILDREN);
    }
    m_pControle->ShowWindow(mostra ? platform::ui::SW_HIDE : platform::ui::SW_SHOW);
}
