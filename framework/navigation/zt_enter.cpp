#include "framework/navigation/zt_enter.h"

#include "platform/ui/control/button.h"
#include "platform/ui/control/tab_ctrl.h"
#include "platform/ui/window/virtual_keys.h"
#include "platform/ui/window/wnd.h"

#include <algorithm>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::UINT;
using platform::WPARAM;
using platform::ui::Wnd;
using platform::ui::WindowKind;

namespace {

bool IsDown(int nTecla) { return platform::ui::GetKeyState(nTecla) < 0; }

// The owner's direct child that is `pJanela` or holds it; `pJanela` itself when none does.
Wnd* ControleDoDono(const Wnd& dono, Wnd* pJanela) {
    for (Wnd* janela = pJanela; janela; janela = janela->GetParent()) {
        if (janela->GetParent() == &dono) return janela;
    }
    return pJanela;
}

}  // namespace

void CZTEnter::RegistraMensagens() {
    WM_ZTENTER_EH_ULTIMA_TAB = platform::ui::RegisterWindowMessage("CZTEnter::WM_ZTENTER_EH_ULTIMA_TAB");
    WM_ZTENTER_PODE_SETAR_FOCO_TAB = platform::ui::RegisterWindowMessage("CZTEnter::WM_ZTENTER_PODE_SETAR_FOCO_TAB");
}

void CZTEnter::Anexa(Wnd* pDono) {
    m_pDono = pDono;
    const Wnd* pai = pDono ? pDono->GetParent() : nullptr;
    m_bDentroTab = pai && pai->GetKind() == WindowKind::TabControl;
    if (!m_bPrimeiroFixo) SetPrimeiroControle(nullptr);
}

void CZTEnter::SetPrimeiroControle(Wnd* pControle) {
    m_bPrimeiroFixo = pControle != nullptr;
    if (!pControle && m_pDono) pControle = m_pDono->GetNextDlgTabItem(nullptr, FALSE);
    m_hPrimeiro = pControle ? pControle->m_hWnd : nullptr;
}

Wnd* CZTEnter::GetPrimeiroControle() const { return Wnd::FromHandle(m_hPrimeiro); }

bool CZTEnter::IsExcecao(UINT nId) const {
    return std::find(m_excecoes.begin(), m_excecoes.end(), nId) != m_excecoes.end();
}

platform::ui::TabCtrl* CZTEnter::GetTabDono() const {
    if (!m_bDentroTab || !m_pDono) return nullptr;
    return dynamic_cast<platform::ui::TabCtrl*>(m_pDono->GetParent());
}

void CZTEnter::FocaControle(Wnd* pControle) {
    Wnd* pai = pControle ? pControle->GetParent() : nullptr;
    if (!pai) return;
    pai->SendMessage(platform::ui::WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pControle->m_hWnd), TRUE);
}

BOOL CZTEnter::TrataMensagem(const platform::ui::MSG* pMsg) {
    if (!pMsg || pMsg->message != platform::ui::WM_KEYDOWN || !m_pDono) return TRUE;
    const WPARAM nTecla = pMsg->wParam;
    const bool bNavegacao = nTecla == platform::ui::VK_TAB || nTecla == platform::ui::VK_PRIOR || nTecla == platform::ui::VK_NEXT;
    if (!m_bEnterComoTab && !bNavegacao) return TRUE;
    const bool bShift = IsDown(platform::ui::VK_SHIFT);
    const bool bCtrl = IsDown(platform::ui::VK_CONTROL);
    if (m_bDentroTab && bCtrl && bNavegacao) return TrataTeclaCtrl(nTecla, bShift);
    const bool bAvanco = nTecla == platform::ui::VK_RETURN || (nTecla == platform::ui::VK_TAB && m_bTabComoEnter);
    return bAvanco ? TrataAvanco(nTecla, bShift) : TRUE;
}

BOOL CZTEnter::TrataTeclaCtrl(WPARAM nTecla, bool bShift) {
    if (nTecla != platform::ui::VK_TAB) return TrocaPagina(nTecla == platform::ui::VK_PRIOR, TRUE, FALSE) ? FALSE : TRUE;
    platform::ui::TabCtrl* abas = GetTabDono();
    const Wnd* pai = abas ? abas->GetParent() : nullptr;
    if (!pai) return TRUE;
    // Alone in its parent, the tab control would give the focus back to itself: wrap instead.
    const Wnd* proxima = pai->GetNextDlgTabItem(abas, bShift ? TRUE : FALSE);
    const BOOL bCircular = !proxima || proxima == abas ? TRUE : FALSE;
    return TrocaPagina(bShift ? TRUE : FALSE, TRUE, bCircular) ? FALSE : TRUE;
}

BOOL CZTEnter::TrataAvanco(WPARAM nTecla, bool bShift) {
    Wnd* foco = Wnd::GetFocus();
    if (!foco) return TRUE;
    const bool bEnter = nTecla == platform::ui::VK_RETURN;
    if (bEnter && IsExcecao(foco->GetDlgCtrlID())) return TRUE;
    if (bEnter && foco->GetKind() == WindowKind::PushButton) {
        foco->PostMessage(platform::ui::BM_CLICK);
        return FALSE;
    }
    if (!m_bPrimeiroFixo) SetPrimeiroControle(nullptr);
    const Wnd* controle = ControleDoDono(*m_pDono, foco);
    Wnd* proximo = m_pDono->GetNextDlgTabItem(controle, bShift ? TRUE : FALSE);
    if (!proximo) return FALSE;
    const Wnd* primeiro = GetPrimeiroControle();
    const bool bDaVolta = bShift ? controle == primeiro : proximo == primeiro;
    if (bDaVolta && TrocaPagina(bShift ? TRUE : FALSE, FALSE, FALSE)) return FALSE;
    if (!bEnter) return TRUE;
    FocaControle(proximo);
    return FALSE;
}
