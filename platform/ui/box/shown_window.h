// Tells a watcher (a test, the test script) each time a dialog or a form view of a template is
// shown: the dialog once it is on the screen, the form when its view becomes visible.
//
// One watcher at a time; the dialog and form classes report, from the user-interface thread.
#pragma once

#include "platform/win_types.h"

#include <functional>

namespace platform::ui {

class Wnd;

using ShownWindowWatcher = std::function<void(UINT templateId, Wnd& window)>;

// Installs `watcher` (empty: none) and returns the previous one.
ShownWindowWatcher SetShownWindowWatcher(ShownWindowWatcher watcher);

// For the dialog and form classes: `window`, made from template `templateId`, was shown.
void ReportWindowShown(UINT templateId, Wnd& window);

}  // namespace platform::ui
