// How a control tells its parent what happened (internal): WM_COMMAND with the control's id and
// the notification code in wParam and the control's handle in lParam, sent at once.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {

class Wnd;

namespace detail {

// Sends `code` for `control` to its parent; nothing without a parent.
void NotifyParent(Wnd& control, WORD code);

}  // namespace detail
}  // namespace platform::ui
