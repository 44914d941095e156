// A tab control: a row of tabs over a Qt tab bar. The pages are the dialog's own controls, shown
// and hidden by the caller as the selection changes. Each tab may carry one value (the item data
// of TCIF_PARAM). A selection the user makes reaches OnSelChange, as a reflected TCN_SELCHANGE
// would; SetCurSel reports nothing. User-interface thread.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui {

class TabCtrl : public Wnd {
public:
    [[nodiscard]] WindowKind GetKind() const override { return WindowKind::TabControl; }

    // Creates the tab row as a child of `parent` at `rect`; FALSE when this object has a window
    // already or there is no parent.
    BOOL Create(const Rect& rect, Wnd* parent, UINT id);

    // Inserts a tab with `text` (and `data` as its item data) before tab `index` (past the end:
    // last); its index, -1 without a window.
    int InsertItem(int index, const char* text);
    int InsertItem(int index, const char* text, LPARAM data);
    [[nodiscard]] int GetItemCount() const;
    // The item data of tab `index`; 0 for an index outside the row.
    [[nodiscard]] LPARAM GetItemData(int index) const;
    // The selected tab; -1 when none is.
    [[nodiscard]] int GetCurSel() const;
    // Selects tab `index`; the tab selected before, -1 for an index outside the row.
    int SetCurSel(int index);
    // Turns a window rectangle of the control into its display area, where the pages go (with
    // `larger`: the other way).
    void AdjustRect(BOOL larger, Rect* rect) const;

protected:
    // The user selected another tab; the default does nothing.
    virtual void OnSelChange() {}

private:
    bool settingSelection_ = false;
};

}  // namespace platform::ui
