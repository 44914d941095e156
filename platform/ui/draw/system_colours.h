// The desktop's colours, as the callers ask for them by the original platform's index.
//
// Windows hear of a change of the desktop's colours as WM_SYSCOLORCHANGE (sent to every top-level
// window, and by frames on to their children). User-interface thread.
#pragma once

#include "platform/ui/geometry.h"

namespace platform::ui {

constexpr int COLOR_BTNFACE = 15;
// The background of tooltips.
constexpr int COLOR_INFOBK = 24;

// The colour of `index`; 0 for an index the layer does not know.
[[nodiscard]] Colour GetSysColor(int index);

}  // namespace platform::ui
