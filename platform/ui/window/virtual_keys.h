// Virtual-key codes, with their values on the original platform, and the code of a Qt key.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {

constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;  // Alt
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F5 = 0x74;
constexpr UINT VK_F9 = 0x78;

// The virtual-key code of a Qt key (a Qt::Key value): letters and digits are their upper-case
// character; 0 for a key without one.
[[nodiscard]] UINT VirtualKeyOf(int qtKey);

}  // namespace platform::ui
