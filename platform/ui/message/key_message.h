// A key press as the windows' pre-translation sees it, and what a handler may do with it.
//
// The layer turns each key press on a window's widget into one MSG and offers it to
// PreTranslateMessage of the focused window, then of each of its parents, until one answers
// TRUE (platform/ui/window/wnd.h). A key that nobody took goes on to the widget; a key that one
// took goes nowhere else, unless the taker handed it on with DispatchMessage (as a dialog does
// with the keys it has no use for). User-interface thread.
#pragma once

#include "platform/ui/message/messages.h"

namespace platform::ui {

struct MSG {
    HWND hwnd = nullptr;  // the focused window the key was pressed on
    UINT message = 0;     // WM_KEYDOWN, or WM_SYSKEYDOWN while Alt is down
    WPARAM wParam = 0;    // the virtual key (platform/ui/window/virtual_keys.h)
    LPARAM lParam = 0;
    // The modifier keys at that key.
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// Hands the key being translated on to its widget once the walk is over; FALSE for any other
// message (nothing is sent).
BOOL DispatchMessage(const MSG* msg);

// Whether VK_SHIFT, VK_CONTROL or VK_MENU is down: negative when it is, 0 when not. During the
// walk the state is the one at the key being translated.
[[nodiscard]] short GetKeyState(int virtualKey);

}  // namespace platform::ui
