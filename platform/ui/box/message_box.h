// The one routine that shows a message box, for the layer's boxes and for every box that code
// without windows shows through platform::Interaction.
//
// The styles (MB_*) and answers (ID*) are those of platform/interaction.h. A test installs a hook
// that sees every box instead of the user and answers for it. User-interface thread; the box is
// modal and returns the user's answer.
#pragma once

#include "platform/interaction.h"
#include "platform/text/string.h"
#include "platform/ui/message/messages.h"

#include <functional>

namespace platform::ui {

class Wnd;

// Shows `text` under `caption` over `owner` (null: no owner); the answer (IDOK, IDYES, ...).
int MessageBox(Wnd* owner, const char* text, const char* caption, UINT style = MB_OK);

// Sees a box instead of the user: the owner's handle (null: none), the texts, the style; returns
// the answer.
using BoxHook = std::function<int(HWND owner, const String& text, const String& caption, UINT style)>;
// Installs `hook` (empty: boxes are shown again) and returns the previous one.
BoxHook SetBoxHook(BoxHook hook);

}  // namespace platform::ui
