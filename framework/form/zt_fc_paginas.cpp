#include "framework/form/zt_fc_paginas.h"

#include "outside/editra/zt_tab_ctrl.h"
#include "platform/ui/control/tab_ctrl.h"

using platform::ui::TabCtrl;
using platform::ui::Wnd;
using platform::ui::WindowKind;

namespace {

TabCtrl* PrimeiroTabCtrl(const Wnd& janela) {
    for (Wnd* filho : janela.GetChildWindows()) {
        if (filho->GetKind() == WindowKind::TabControl) return dynamic_cast<TabCtrl*>(filho);
    }
    return nullptr;
}

}  // namespace

CZTTabCtrl* ZTFCGetTabCtrl(const Wnd& janela) { return dynamic_cast<CZTTabCtrl*>(PrimeiroTabCtrl(janela)); }

std::vector<Wnd*> ZTFCGetPaginas(const Wnd& janela) {
    std::vector<Wnd*> paginas;
    const TabCtrl* tab = PrimeiroTabCtrl(janela);
    if (!tab) return paginas;
    for (int nPasta = 0; nPasta < tab->GetItemCount(); ++nPasta) {
        if (Wnd* pagina = Wnd::FromHandle(reinterpret_cast<platform::ui::HWND>(tab->GetItemData(nPasta)))) {
            paginas.push_back(pagina);
        }
    }
    return paginas;
}

Wnd* ZTFCFocaControle(Wnd& form, platform::UINT nIdControle) {
    Wnd* controle = form.GetDlgItem(nIdControle);
    CZTTabCtrl* tab = controle ? nullptr : ZTFCGetTabCtrl(form);
    for (int nPasta = 0; tab && nPasta < tab->GetItemCount(); ++nPasta) {
        const Wnd* pagina = tab->GetJanelaPasta(nPasta);
        if (!pagina || !pagina->GetDlgItem(nIdControle) || !tab->IsPastaSelecionavel(nPasta)) continue;
        tab->SelecionaPasta(nPasta);
        controle = pagina->GetDlgItem(nIdControle);
        break;
    }
    if (!controle) return nullptr;
    form.SendMessage(platform::ui::WM_NEXTDLGCTL, reinterpret_cast<platform::WPARAM>(controle->m_hWnd), platform::TRUE);
    return controle;
}
