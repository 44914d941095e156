// CZTFCTreeView: a view that is one tree control and reports the item where the user stops.
//
// The tree is made over the whole view on first use (GetTreeCtrl, also called by
// OnInitialUpdate), with buttons, lines and the selection always shown. A selection change starts timer 1 of 400 ms, and the next change restarts it, so fast movement
// through the tree gives one hint 2 (the tree block), from this view, for the item where the
// user stopped. While the ignore-selection flag is set (programs set it around filling the
// tree) selections tell nobody. The view is disabled from OnInitialUpdate until the document
// starts (hint 7); a reset (hint 9) deletes every item and disables it. User-interface thread.
#pragma once

#include "framework/view/zt_fc_view.h"
#include "platform/ui/document/tree_view.h"

class CZTFCTreeView : public platform::ui::TreeView, public CZTFCView {
public:
    // The timer that waits for the selection to rest, and how long.
    static constexpr platform::UINT_PTR kTimerSelecao = 1;
    static constexpr platform::UINT kEsperaSelecaoMs = 400;

    CZTFCTreeView();
    ~CZTFCTreeView() override;

    // Makes the tree, the view's own update, then disables the view.
    void OnInitialUpdate() override;

    // The user stopped on `item` with text `texto`: hint 2, unless selections are ignored.
    virtual void OnSelecionaItem(const char* texto, platform::ui::HTREEITEM item);
    // The first item, depth first, whose data equals *pDados; null when none (or no value given).
    [[nodiscard]] virtual platform::ui::HTREEITEM BuscaItem(const platform::DWORD* pDados);
    // Sets the ignore-selection flag; returns the flag it had.
    platform::BOOL SetIgnoraSelecao(platform::BOOL bIgnora);

    void OnInicializaView() override;
    void OnLimpaView() override;

protected:
    void OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto) override;
    void OnTimer(platform::UINT_PTR id) override;
    void PreCreateWindow(platform::DWORD& treeStyle) override;
};
