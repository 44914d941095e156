#include "platform/ui/window/help_request.h"

#include "platform/ui/window/wnd.h"

namespace platform::ui::detail {

BOOL SendHelpRequest(Wnd& control) {
    HELPINFO info;
    info.iCtrlId = static_cast<int>(control.GetDlgCtrlID());
    info.hItemHandle = control.m_hWnd;
    for (HWND handle = control.m_hWnd; handle;) {
        if (SendMessage(handle, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)) != 0) return TRUE;
        // A handler may have destroyed the window on the way.
        const Wnd* current = Wnd::FromHandle(handle);
        const Wnd* parent = current ? current->GetParent() : nullptr;
        handle = parent ? parent->m_hWnd : nullptr;
    }
    return FALSE;
}

}  // namespace platform::ui::detail
