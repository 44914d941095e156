// Lets a test act on a modal dialog: a function runs on the next dialog of a template once it is
// shown (it fills fields, presses a button, ends the dialog).
//
// The dialog class calls RunNextDialogHook when its dialog is shown. Hooks for one template run
// in the order they were given, each once. User-interface thread.
#pragma once

#include "platform/win_types.h"

#include <functional>

namespace platform::ui {

class Wnd;

using DialogHook = std::function<void(Wnd& dialog)>;

// Runs `hook` on the next dialog of template `templateId` that is shown.
void OnNextDialog(UINT templateId, DialogHook hook);

// For the dialog class, once `dialog` (of template `templateId`) is shown: runs the oldest hook
// given for the template and forgets it; TRUE when one ran.
BOOL RunNextDialogHook(UINT templateId, Wnd& dialog);

// Forgets every hook not run yet; the number forgotten.
int ClearDialogHooks();

}  // namespace platform::ui
