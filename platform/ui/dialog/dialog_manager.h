// The dialog manager's focus moves, shared by every window that holds dialog controls (a dialog,
// a page, a form view).
//
// WM_NEXTDLGCTL(control, TRUE) focuses that control, WM_NEXTDLGCTL(0, FALSE) the next tab stop
// and WM_NEXTDLGCTL(1, FALSE) the previous one. Focusing goes as on the original platform: an
// edit gets its whole text selected, and the default-button mark moves to a focused push button
// or, when the focus goes elsewhere, back to the dialog's default button. The walks themselves
// are members of Wnd (GetNextDlgTabItem, GetNextDlgGroupItem, IsDialogMessage). User-interface
// thread.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui {

class Button;

// Focuses `control`, one of `dialog`'s, as WM_NEXTDLGCTL(control, TRUE) does.
void GotoDlgCtrl(Wnd& dialog, Wnd& control);

// The dialog's default push button (made with BS_DEFPUSHBUTTON); null when it has none.
[[nodiscard]] Button* GetDefaultButton(const Wnd& dialog);

namespace detail {

// WM_NEXTDLGCTL on `dialog`; answers 0.
LRESULT HandleNextDlgCtl(Wnd& dialog, WPARAM wParam, LPARAM lParam);
// The direct child of `dialog` that is `window` or holds it; null when none does.
[[nodiscard]] Wnd* ChildContaining(const Wnd& dialog, Wnd* window);
// The direct child of `dialog` that holds the keyboard focus; null when none does.
[[nodiscard]] Wnd* ChildHoldingFocus(const Wnd& dialog);

}  // namespace detail
}  // namespace platform::ui
