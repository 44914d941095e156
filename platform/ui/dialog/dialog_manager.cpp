#include "platform/ui/dialog/dialog_manager.h"

#include "platform/ui/control/button.h"
#include "platform/ui/control/edit.h"
#include "platform/ui/dialog/tab_order.h"

namespace platform::ui {

namespace {

void MoveDefaultMark(const Wnd& dialog, const Wnd& focused) {
    const bool onPushButton = focused.GetKind() == WindowKind::PushButton;
    for (Wnd* child : dialog.GetChildWindows()) {
        auto* button = dynamic_cast<Button*>(child);
        if (!button || button->GetKind() != WindowKind::PushButton) continue;
        button->SetDefaultMark(onPushButton ? button == &focused : button->IsDefaultButton());
    }
}

}  // namespace

Wnd* Wnd::GetNextDlgTabItem(const Wnd* control, BOOL previous) const {
    return detail::TabOrder(GetChildWindows()).Next(control, previous != FALSE);
}

Wnd* Wnd::GetNextDlgGroupItem(const Wnd* control, BOOL previous) const {
    return detail::TabOrder(GetChildWindows()).NextInGroup(control, previous != FALSE);
}

void GotoDlgCtrl(Wnd& dialog, Wnd& control) {
    control.SetFocus();
    if (auto* edit = dynamic_cast<Edit*>(&control)) edit->SetSel(0, -1);
    MoveDefaultMark(dialog, control);
}

Button* GetDefaultButton(const Wnd& dialog) {
    for (Wnd* child : dialog.GetChildWindows()) {
        auto* button = dynamic_cast<Button*>(child);
        if (button && button->IsDefaultButton()) return button;
    }
    return nullptr;
}

namespace detail {

Wnd* ChildHoldingFocus(const Wnd& dialog) { return ChildContaining(dialog, Wnd::GetFocus()); }

Wnd* ChildContaining(const Wnd& dialog, Wnd* window) {
    for (; window; window = window->GetParent()) {
        if (window->GetParent() == &dialog) return window;
    }
    return nullptr;
}

LRESULT HandleNextDlgCtl(Wnd& dialog, WPARAM wParam, LPARAM lParam) {
    Wnd* target = lParam ? Wnd::FromHandle(reinterpret_cast<HWND>(wParam))
                         : dialog.GetNextDlgTabItem(ChildHoldingFocus(dialog), wParam != 0);
    if (target) GotoDlgCtrl(dialog, *target);
    return 0;
}

}  // namespace detail
}  // namespace platform::ui
