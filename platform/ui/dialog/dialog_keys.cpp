// The dialog manager's keys: what IsDialogMessage does with a key of one of its controls.
#include "platform/interaction.h"
#include "platform/ui/control/button.h"
#include "platform/ui/dialog/dialog_manager.h"
#include "platform/ui/dialog/mnemonics.h"
#include "platform/ui/window/virtual_keys.h"

namespace platform::ui {

namespace {

// Runs the command of button `id` (null: the dialog has no such control); a disabled button
// runs nothing.
void RunButtonCommand(Wnd& dialog, UINT id, Wnd* button) {
    if (button && !button->IsWindowEnabled()) return;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                       button ? reinterpret_cast<LPARAM>(button->m_hWnd) : 0);
}

void PressEnter(Wnd& dialog, Wnd* control) {
    if (control && control->GetKind() == WindowKind::PushButton) {
        RunButtonCommand(dialog, control->GetDlgCtrlID(), control);
        return;
    }
    if (Button* byDefault = GetDefaultButton(dialog)) {
        RunButtonCommand(dialog, byDefault->GetDlgCtrlID(), byDefault);
        return;
    }
    RunButtonCommand(dialog, IDOK, dialog.GetDlgItem(IDOK));
}

void MoveTab(Wnd& dialog, const Wnd* control, bool backward) {
    if (Wnd* next = dialog.GetNextDlgTabItem(control, backward ? TRUE : FALSE)) GotoDlgCtrl(dialog, *next);
}

// An arrow on a button moves to the next control of its group; landing on a radio checks it.
void MoveInGroup(Wnd& dialog, Wnd& control, bool backward) {
    Wnd* next = dialog.GetNextDlgGroupItem(&control, backward ? TRUE : FALSE);
    if (!next || next == &control) return;
    GotoDlgCtrl(dialog, *next);
    if (next->GetKind() == WindowKind::RadioButton) next->SendMessage(BM_CLICK);
}

bool IsLetterOrDigit(WPARAM key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

// With Alt a letter is always a mnemonic; without, only where the focus takes no typing.
bool IsMnemonicKey(const MSG& msg, WindowKind focused) {
    if (!IsLetterOrDigit(msg.wParam) || msg.control) return false;
    return msg.message == WM_SYSKEYDOWN || IsButtonKind(focused);
}

// TRUE when the manager acted on the key; FALSE leaves it to the control.
bool ActOnKey(Wnd& dialog, Wnd* control, const MSG& msg) {
    const WindowKind kind = control ? control->GetKind() : WindowKind::Window;
    switch (msg.wParam) {
        case VK_TAB:
            if (msg.control || msg.alt) return false;
            MoveTab(dialog, control, msg.shift);
            return true;
        case VK_RETURN:
            if (msg.alt || kind == WindowKind::WantReturnEdit) return false;
            PressEnter(dialog, control);
            return true;
        case VK_ESCAPE:
            RunButtonCommand(dialog, IDCANCEL, dialog.GetDlgItem(IDCANCEL));
            return true;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (msg.alt || !IsButtonKind(kind)) return false;
            MoveInGroup(dialog, *control, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
            return true;
        default:
            return IsMnemonicKey(msg, kind) && detail::RunMnemonic(dialog, static_cast<char>(msg.wParam));
    }
}

}  // namespace

BOOL Wnd::IsDialogMessage(MSG* pMsg) {
    if (!pMsg || (pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN)) return FALSE;
    Wnd* target = FromHandle(pMsg->hwnd);
    if (!target || (target != this && !IsChild(target))) return FALSE;
    const HWND self = m_hWnd;
    const MSG msg = *pMsg;
    if (!ActOnKey(*this, detail::ChildContaining(*this, target), msg) && FromHandle(self) == this) DispatchMessage(&msg);
    return TRUE;
}

}  // namespace platform::ui
