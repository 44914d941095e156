// The process's table from window handles to live windows (internal to the layer).
//
// Handles come from one counter and are never reused. The table is shared by every thread: a
// worker asks whether a handle is alive; only the user-interface thread dereferences the window.
#pragma once

#include "platform/ui/message/messages.h"

#include <vector>

namespace platform::ui {

class Wnd;

namespace detail {

[[nodiscard]] HWND NewWindowHandle();
void RegisterWindow(HWND handle, Wnd* window);
void UnregisterWindow(HWND handle);
// The live window of `handle`; null when gone.
[[nodiscard]] Wnd* FindWindow(HWND handle);
// Every live window without a parent (user-interface thread).
[[nodiscard]] std::vector<Wnd*> TopLevelWindows();

}  // namespace detail
}  // namespace platform::ui
