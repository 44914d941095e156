// A top-level window's placement: its show state and the rectangle it takes when neither
// minimised nor maximised (its normal rectangle), as the callers store it between runs.
// Plain value; no Qt.
#pragma once

#include "platform/ui/geometry.h"
#include "platform/win_types.h"

namespace platform::ui {

// WINDOWPLACEMENT's flags, with their values on the original platform: a minimised window that
// comes back maximised.
constexpr UINT WPF_RESTORETOMAXIMIZED = 0x0002;

struct WINDOWPLACEMENT {
    UINT length = sizeof(WINDOWPLACEMENT);
    UINT flags = 0;
    // SW_SHOWNORMAL (1), SW_SHOWMINIMIZED (2) or SW_SHOWMAXIMIZED (3).
    UINT showCmd = 1;
    // Where the window sits minimised and maximised; (-1, -1): where the desktop puts it.
    Point ptMinPosition{-1, -1};
    Point ptMaxPosition{-1, -1};
    // The normal rectangle, in screen coordinates.
    Rect rcNormalPosition;
};

}  // namespace platform::ui
