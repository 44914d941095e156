// CZTTabCtrl: the suite's tab control, whose tabs ("pastas") each carry a page window.
//
// A page (a child of the tab control, usually a dialog made with the tab control as its parent,
// so that the page's parent is the tab control) is kept as its tab's item data, placed in the
// display area, shown while its tab is selected and hidden otherwise. A page may be
// disabled; the per-page test (IsPastaSelecionavel, which subclasses may narrow) decides which
// pages a selection may reach, by the user's click, by index or in order. The control itself is
// a tab stop of its parent's dialog manager, made by Create or taken over from a template's tab
// control. User-interface thread.
#pragma once

#include "platform/ui/control/tab_ctrl.h"

#include <vector>

class CZTTabCtrl : public platform::ui::TabCtrl {
public:
    // Directions of SelecionaPastaOrdem and of PegaDlgTabItem.
    static constexpr int kOrdemProxima = 1;
    static constexpr int kOrdemAnterior = 2;
    static constexpr int kTabItemProximo = 3;
    static constexpr int kTabItemAnterior = 4;

    // Creates the control as TabCtrl::Create does, a tab stop that takes the focus.
    platform::BOOL Create(const platform::ui::Rect& rect, platform::ui::Wnd* pai, platform::UINT id);

    // Adds page `pagina` (a child of this control) under the tab `titulo`, last; its index, -1
    // without a window or page. The first page becomes the selected one.
    int IncluiPasta(const char* titulo, platform::ui::Wnd* pagina);
    // Enables or disables page `nPasta` (its window with it).
    void HabilitaPasta(int nPasta, platform::BOOL bHabilita);
    [[nodiscard]] platform::BOOL IsPastaHabilitada(int nPasta) const;

    // The per-page test: whether a selection may reach page `nPasta`; by default an enabled
    // page of the control.
    [[nodiscard]] virtual platform::BOOL IsPastaSelecionavel(int nPasta) const;

    // Selects page `nPasta` and shows it; FALSE, the selection unchanged, when the test refuses.
    platform::BOOL SelecionaPasta(int nPasta);
    // Selects the nearest page after (kOrdemProxima) or before (kOrdemAnterior) the selected one
    // that the test accepts, without wrapping; its index, -1 (nothing changed) when there is none.
    int SelecionaPastaOrdem(int nOrdem);

    // The window of page `nPasta` / of the selected page; null when there is none.
    [[nodiscard]] platform::ui::Wnd* GetJanelaPasta(int nPasta) const;
    [[nodiscard]] platform::ui::Wnd* GetJanelaPastaSelecionada() const;

    // Moves to the next page (kTabItemProximo) or the previous one (kTabItemAnterior) as
    // SelecionaPastaOrdem does and answers its first tab stop in the dialog manager's order
    // (backward: its last); null when there is no such page or it has no tab stop.
    platform::ui::Wnd* PegaDlgTabItem(int nDirecao);

protected:
    // A click on a page the test refuses goes back to the page shown before.
    void OnSelChange() override;
    // A template's tab control taken over keeps its tabs, all enabled, and takes the focus.
    void OnTakeOver(platform::ui::Wnd& anterior) override;

private:
    void MostraPasta(int nPasta);
    void TomaFoco();
    [[nodiscard]] bool IsIndice(int nPasta) const { return nPasta >= 0 && nPasta < GetItemCount(); }

    std::vector<bool> m_habilitadas;
    int m_nMostrada = -1;
};
