// A combo box: simple, drop-down (both with an edit of their own) or drop-down list, over a Qt
// combo box.
//
// Items are Windows-1252 strings in the order they were added, each with a pointer-sized value
// of the caller's (item data) that stays with its item. A selection the user makes sends
// CBN_SELCHANGE to the parent (WM_COMMAND); SetCurSel sends nothing. A typed character outside
// the code page is refused. User-interface thread.
#pragma once

#include "platform/ui/control/control_styles.h"
#include "platform/ui/window/wnd.h"

namespace platform::ui {

// The answer for an index outside the list or no selection, and the notification, with their
// values on the original platform.
constexpr int CB_ERR = -1;
constexpr WORD CBN_SELCHANGE = 1;
// The message that selects an item by index (wParam; -1: none), answered as SetCurSel.
constexpr UINT CB_SETCURSEL = 0x014E;

class ComboBox : public Wnd {
public:
    [[nodiscard]] WindowKind GetKind() const override { return WindowKind::ComboBox; }

    // Creates the combo (one CBS_ style) as a child of `parent` at `rect`; FALSE when this object
    // has a window already or there is no parent. As on the original platform, the height of a
    // drop-down's rectangle includes its list: the window itself is one line high.
    BOOL Create(UINT style, const Rect& rect, Wnd* parent, UINT id);

    // Adds an item at the end; its index.
    int AddString(const char* text);
    // Removes every item; none is selected then (nothing is sent).
    void ResetContent();
    [[nodiscard]] int GetCount() const;
    // Selects item `index` (-1: none); the index, CB_ERR for -1 or an index outside the list.
    int SetCurSel(int index);
    // Item `index`'s text into `text`; its length, CB_ERR for an index outside the list.
    int GetLBText(int index, String& text) const;
    // The selected item's index; CB_ERR when none is.
    [[nodiscard]] int GetCurSel() const;
    // Sets and reads the item's data; CB_ERR for an index outside the list (0 when set).
    int SetItemData(int index, DWORD_PTR data);
    [[nodiscard]] DWORD_PTR GetItemData(int index) const;
    // The most characters typing may leave in the edit (0: no limit).
    void LimitText(int max);

    // The edit's text; for a drop-down list, the selected item's (setting it changes nothing).
    void SetWindowText(const char* text) override;
    void GetWindowText(String& text) const override;

protected:
    // CB_SETCURSEL selects as SetCurSel does; the rest as for any window.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace platform::ui
