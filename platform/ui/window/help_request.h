// A help request for a control (internal): F1 on it, or a click on it in what's-this mode.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {
class Wnd;
}

namespace platform::ui::detail {

// Sends WM_HELP, with a HELPINFO naming `control` (its id and window), to `control` and then to
// each parent in turn until one handles it (a non-zero result); TRUE when one did.
BOOL SendHelpRequest(Wnd& control);

}  // namespace platform::ui::detail
