// A command's texts: its string resource is "prompt\ntip", the status-bar prompt and the tooltip.
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

namespace platform::ui {

// The prompt (the first piece) of command `id`'s string; empty when it has none.
[[nodiscard]] String CommandPrompt(UINT id);
// The tip (the second piece) of command `id`'s string; empty when it has none.
[[nodiscard]] String CommandTip(UINT id);
// The message pane's text while nothing is hovered (AFX_IDS_IDLEMESSAGE).
[[nodiscard]] String IdleMessage();

}  // namespace platform::ui
