// Which thread is the user-interface thread: the one the Qt application lives on.
#pragma once

namespace platform::ui {

// True on the thread of the application object (false when there is none yet).
[[nodiscard]] bool IsUserInterfaceThread();

}  // namespace platform::ui
