// CZTEnter's page switching: which way the walk goes at the tab control's ends, and one switch
// of pages that passes over the pages that refuse the focus.
#include "framework/navigation/zt_enter.h"

#include "platform/ui/control/tab_ctrl.h"
#include "platform/ui/window/wnd.h"

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::ui::TabCtrl;
using platform::ui::Wnd;

namespace {

Wnd* PaginaDe(const TabCtrl& abas, int nPasta) {
    return Wnd::FromHandle(reinterpret_cast<platform::ui::HWND>(abas.GetItemData(nPasta)));
}

void Mostra(Wnd* pPagina, bool bVisivel) {
    if (pPagina) pPagina->ShowWindow(bVisivel ? platform::ui::SW_SHOW : platform::ui::SW_HIDE);
}

bool Responde(Wnd* pPagina, platform::UINT nMensagem) { return pPagina && pPagina->SendMessage(nMensagem) != 0; }

// Focuses the tab stop after (before) the tab control in its parent; false when there is none
// but the tab control itself.
bool SaiDasAbas(TabCtrl& abas, bool bAnterior) {
    Wnd* pai = abas.GetParent();
    Wnd* proxima = pai ? pai->GetNextDlgTabItem(&abas, bAnterior ? TRUE : FALSE) : nullptr;
    if (!proxima || proxima == &abas) return false;
    CZTEnter::FocaControle(proxima);
    return true;
}

// The tab control that holds the page `abas` is on; null when that page is on none.
TabCtrl* AbasExternas(const TabCtrl& abas) {
    const Wnd* pagina = abas.GetParent();
    return pagina ? dynamic_cast<TabCtrl*>(pagina->GetParent()) : nullptr;
}

}  // namespace

BOOL CZTEnter::TrocaPagina(BOOL bAnterior, BOOL bViaCtrl, BOOL bCircular) {
    TabCtrl* abas = GetTabDono();
    if (!abas) return FALSE;
    const int nAtual = abas->GetCurSel();
    const bool bParaTras = bAnterior != FALSE;
    const bool bNaPonta = bParaTras ? nAtual <= 0 : nAtual >= abas->GetItemCount() - 1;
    if (!bViaCtrl && bNaPonta) return SaiDasAbas(*abas, bParaTras) ? TRUE : FALSE;
    bool bTrocou = MudaPagina(*abas, bParaTras, bCircular != FALSE);
    if (abas->GetCurSel() == nAtual && bCircular) {
        if (TabCtrl* externas = AbasExternas(*abas)) bTrocou = MudaPagina(*externas, bParaTras, true) || bTrocou;
    }
    return bTrocou ? TRUE : FALSE;
}

bool CZTEnter::MudaPagina(TabCtrl& abas, bool bAnterior, bool bCircular) {
    const int nTotal = abas.GetItemCount();
    const int nInicial = abas.GetCurSel();
    Wnd* inicial = PaginaDe(abas, nInicial);
    if (nTotal <= 0 || Responde(inicial, WM_ZTENTER_EH_ULTIMA_TAB)) return false;
    const int nPasso = bAnterior ? -1 : 1;
    bool bEscondida = false;
    // Pages that refuse the focus are passed over, for one round at most: wrapping round, the
    // walk ends when it comes back to the start.
    int nPasta = nInicial;
    for (int nVolta = 0; nVolta < nTotal; ++nVolta) {
        int nAlvo = nPasta + nPasso;
        if (bCircular) nAlvo = (nAlvo + nTotal) % nTotal;
        if (nAlvo == nTotal || nAlvo == nInicial) break;
        if (!bEscondida) Mostra(inicial, false);
        bEscondida = true;
        abas.SetCurSel(nAlvo);
        if (abas.GetCurSel() != nAlvo) {
            abas.SetCurSel(nInicial);
            Mostra(inicial, true);
            return SaiDasAbas(abas, bAnterior);
        }
        nPasta = nAlvo;
        Wnd* pagina = PaginaDe(abas, nPasta);
        if (Responde(pagina, WM_ZTENTER_PODE_SETAR_FOCO_TAB)) continue;
        Mostra(pagina, true);
        if (pagina) EntraNaPagina(*pagina, bAnterior);
        return true;
    }
    // No page took the focus: the starting page is selected and shown again.
    abas.SetCurSel(nInicial);
    Mostra(inicial, true);
    return false;
}

void CZTEnter::EntraNaPagina(Wnd& pagina, bool bAnterior) {
    const BOOL bParaTras = bAnterior ? TRUE : FALSE;
    if (m_bFocaPagina) {
        FocaControle(pagina.GetNextDlgTabItem(nullptr, bParaTras));
        return;
    }
    if (m_callbackPagina) {
        m_callbackPagina(m_pDono, bParaTras);
        return;
    }
    if (m_pDono) m_pDono->SendMessage(m_nMensagemPagina, static_cast<platform::WPARAM>(bParaTras));
}
