#include "outside/editra/zt_browser_wnd.h"

#include <QWidget>

using platform::BOOL;
using platform::FALSE;
using platform::TRUE;

namespace {

// The grid's control id inside the window.
constexpr platform::UINT kIdGrid = 1;

}  // namespace

CZTBrowserWnd::CZTBrowserWnd() : m_Grid(*this) {}

CZTBrowserWnd::~CZTBrowserWnd() = default;

BOOL CZTBrowserWnd::OnInitialUpdate() {
    if (!m_hWnd) return FALSE;
    if (!m_Grid.CriaOcupando(this, kIdGrid)) return FALSE;
    // The dialog focuses this window as its tab stop; the grid is what takes the keys.
    GetWidget()->setFocusProxy(m_Grid.GetWidget());
    return m_Grid.Inicializa();
}

CZTInfoColuna CZTBrowserWnd::GetInformacaoColuna(int nColuna) {
    const CZTBrowserInfoColuna info = GetInfoColuna(nColuna);
    CZTInfoColuna coluna;
    coluna.szTitulo = info.szTitulo;
    coluna.nAlinhamento = info.nAlinhamento;
    coluna.nLargura = info.nLargura;
    coluna.nValor = info.bFlags1;
    coluna.dwFlags = info.bFlags2;
    return coluna;
}

void CZTBrowserWnd::OnMudouLinha(ROWCOL nLinha) {
    if (platform::ui::Wnd* dono = GetDono()) dono->SendMessage(WM_ZTBROWSER_LINHA, nLinha);
}

void CZTBrowserWnd::OnLinhaSelecionada(long nIndice) { OnMudouLinha(static_cast<ROWCOL>(nIndice + 1)); }

void CZTBrowserWnd::OnLinhasSelecionadas(const CZTArrayLinhas& /*linhas*/) {
    if (const ROWCOL linha = m_Grid.GetLinhaSelecionada()) OnMudouLinha(linha);
}

BOOL CZTBrowserWnd::PreTranslateMessage(platform::ui::MSG* pMsg) {
    const bool tecla = pMsg->message == platform::ui::WM_KEYDOWN || pMsg->message == platform::ui::WM_SYSKEYDOWN;
    if (tecla && pMsg->hwnd == m_Grid.GetSafeHwnd() &&
        OnTeclaBrowser(static_cast<platform::UINT>(pMsg->wParam), pMsg->alt ? TRUE : FALSE)) {
        return TRUE;
    }
    return Wnd::PreTranslateMessage(pMsg);
}

void CZTBrowserWnd::OnSize(platform::UINT type, int cx, int cy) {
    Wnd::OnSize(type, cx, cy);
    if (m_Grid.GetSafeHwnd()) m_Grid.MoveWindow(0, 0, cx, cy);
}
