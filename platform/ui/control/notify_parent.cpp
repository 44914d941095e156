#include "platform/ui/control/notify_parent.h"

#include "platform/ui/window/wnd.h"

namespace platform::ui::detail {

void NotifyParent(Wnd& control, WORD code) {
    Wnd* parent = control.GetParent();
    if (!parent) return;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control.GetDlgCtrlID()), code),
                        reinterpret_cast<LPARAM>(control.m_hWnd));
}

}  // namespace platform::ui::detail
