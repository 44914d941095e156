#include "outside/editra/zt_tab_ctrl.h"

#include <QWidget>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;
using platform::UINT;
using platform::ui::Wnd;

BOOL CZTTabCtrl::Create(const platform::ui::Rect& rect, Wnd* pai, UINT id) {
    if (!TabCtrl::Create(rect, pai, id)) return FALSE;
    SetTabStop(TRUE);
    TomaFoco();
    return TRUE;
}

void CZTTabCtrl::OnTakeOver(Wnd& anterior) {
    TabCtrl::OnTakeOver(anterior);
    m_habilitadas.assign(static_cast<std::size_t>(GetItemCount()), true);
    TomaFoco();
}

void CZTTabCtrl::TomaFoco() { GetWidget()->setFocusPolicy(Qt::StrongFocus); }

int CZTTabCtrl::IncluiPasta(const char* titulo, Wnd* pagina) {
    if (!m_hWnd || !pagina || !pagina->m_hWnd) return -1;
    const int nPasta = InsertItem(GetItemCount(), titulo, reinterpret_cast<platform::LPARAM>(pagina->m_hWnd));
    if (nPasta < 0) return -1;
    m_habilitadas.insert(m_habilitadas.begin() + nPasta, true);
    platform::ui::Rect area;
    GetClientRect(&area);
    AdjustRect(FALSE, &area);
    pagina->MoveWindow(area, FALSE);
    MostraPasta(GetCurSel());
    return nPasta;
}

void CZTTabCtrl::HabilitaPasta(int nPasta, BOOL bHabilita) {
    if (!IsIndice(nPasta)) return;
    m_habilitadas[static_cast<std::size_t>(nPasta)] = bHabilita != FALSE;
    if (Wnd* pagina = GetJanelaPasta(nPasta)) pagina->EnableWindow(bHabilita);
}

BOOL CZTTabCtrl::IsPastaHabilitada(int nPasta) const {
    return IsIndice(nPasta) && m_habilitadas[static_cast<std::size_t>(nPasta)] ? TRUE : FALSE;
}

BOOL CZTTabCtrl::IsPastaSelecionavel(int nPasta) const { return IsPastaHabilitada(nPasta); }

BOOL CZTTabCtrl::SelecionaPasta(int nPasta) {
    if (!IsIndice(nPasta) || !IsPastaSelecionavel(nPasta)) return FALSE;
    SetCurSel(nPasta);
    MostraPasta(nPasta);
    return TRUE;
}

int CZTTabCtrl::SelecionaPastaOrdem(int nOrdem) {
    const int passo = nOrdem == kOrdemAnterior ? -1 : 1;
    for (int nPasta = GetCurSel() + passo; IsIndice(nPasta); nPasta += passo) {
        if (SelecionaPasta(nPasta)) return nPasta;
    }
    return -1;
}

Wnd* CZTTabCtrl::GetJanelaPasta(int nPasta) const {
    return IsIndice(nPasta) ? Wnd::FromHandle(reinterpret_cast<platform::ui::HWND>(GetItemData(nPasta))) : nullptr;
}

Wnd* CZTTabCtrl::GetJanelaPastaSelecionada() const { return GetJanelaPasta(GetCurSel()); }

Wnd* CZTTabCtrl::PegaDlgTabItem(int nDirecao) {
    const bool anterior = nDirecao == kTabItemAnterior;
    if (SelecionaPastaOrdem(anterior ? kOrdemAnterior : kOrdemProxima) < 0) return nullptr;
    const Wnd* pagina = GetJanelaPastaSelecionada();
    return pagina ? pagina->GetNextDlgTabItem(nullptr, anterior ? TRUE : FALSE) : nullptr;
}

void CZTTabCtrl::OnSelChange() {
    const int nPasta = GetCurSel();
    if (IsPastaSelecionavel(nPasta)) {
        MostraPasta(nPasta);
        return;
    }
    SetCurSel(m_nMostrada);
}

void CZTTabCtrl::MostraPasta(int nPasta) {
    m_nMostrada = nPasta;
    for (int outra = 0; outra < GetItemCount(); ++outra) {
        if (Wnd* pagina = GetJanelaPasta(outra)) pagina->ShowWindow(outra == nPasta ? platform::ui::SW_SHOW : platform::ui::SW_HIDE);
    }
}
