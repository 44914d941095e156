// Update-UI of one command shown by the frame (a menu item, a toolbar button, an accelerator).
#pragma once

#include "platform/ui/command/cmd_target.h"
#include "platform/ui/command/cmd_ui.h"

namespace platform::ui {

// Routes `state`'s update through `route`; when no update handler enabled or disabled it, the
// command is enabled exactly when some command handler on the route would run it. Returns the
// command's final enabled state.
bool UpdateCommandState(CmdTarget& route, CmdUI& state);

}  // namespace platform::ui
