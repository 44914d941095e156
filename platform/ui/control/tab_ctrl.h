// A tab control: a row of tabs over a Qt tab bar. The pages are the dialog's own controls, shown
// and hidden by the caller as the selection changes. User-interface thread.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui {

class TabCtrl : public Wnd {
public:
    [[nodiscard]] WindowKind GetKind() const override { return WindowKind::TabControl; }

    // Creates the tab row as a child of `parent` at `rect`; FALSE when this object has a window
    // already or there is no parent.
    BOOL Create(const Rect& rect, Wnd* parent, UINT id);

    // Inserts a tab with `text` before tab `index` (past the end: last); its index, -1 without a
    // window.
    int InsertItem(int index, const char* text);
    [[nodiscard]] int GetItemCount() const;
    // The selected tab; -1 when none is.
    [[nodiscard]] int GetCurSel() const;
    // Selects tab `index`; the tab selected before, -1 for an index outside the row.
    int SetCurSel(int index);
};

}  // namespace platform::ui
