// The process's window classes: a name registered once with the attributes its windows share (class
// style and background brush; the cursor is always the arrow). Names compare without regard to
// case. A class is never unregistered. Any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

namespace platform::ui {

// Class styles, with their values on the original platform.
constexpr UINT CS_DBLCLKS = 0x0008;
constexpr UINT CS_SAVEBITS = 0x0800;
constexpr UINT CS_GLOBALCLASS = 0x4000;

struct WndClass {
    String name;
    UINT style = 0;
    // The background brush as the original platform reads it: a system colour's index plus one;
    // 0 for none.
    int background = 0;
};

// Registers `wndClass`; FALSE (and the registered class unchanged) when a class of that name
// exists or the name is empty.
[[nodiscard]] BOOL RegisterWndClass(const WndClass& wndClass);

// TRUE, with the class in `found` (when not null), while a class of `name` is registered.
[[nodiscard]] BOOL GetWndClassInfo(const char* name, WndClass* found = nullptr);

}  // namespace platform::ui
