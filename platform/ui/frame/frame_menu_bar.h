// The frame's menu bar made from a menu template (internal): items send WM_COMMAND to the frame,
// each pop-up is updated through the frame's route as it opens, and the hovered item's prompt
// shows in the frame's message pane until the pop-up closes.
#pragma once

#include "platform/ui/resource/frame_templates.h"

class QMainWindow;

namespace platform::ui {
class FrameWnd;
}

namespace platform::ui::detail {

// Replaces `window`'s menu bar (the widget of `frame`) with one made from `menu`.
void InstallMenuBar(FrameWnd& frame, QMainWindow& window, const MenuTemplate& menu);

}  // namespace platform::ui::detail
