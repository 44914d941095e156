// The frame's resources as code: a menu, an accelerator table and a toolbar's buttons, registered
// per module by id (platform/ui/resource/resources.h; a program's frame uses 128 for all three)
// and loaded by the frame. Plain values; no Qt.
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

#include <vector>

namespace platform::ui {

// One menu entry: a command (id and text), a separator (id 0 and no text), or a pop-up (text and
// items). The text marks its mnemonic with '&' and may end in "\t" and the accelerator's name,
// shown right-aligned.
struct MenuItem {
    UINT id = 0;
    String text;
    std::vector<MenuItem> items;

    [[nodiscard]] bool IsSeparator() const { return id == 0 && text.IsEmpty() && items.empty(); }
    [[nodiscard]] bool IsPopup() const { return !items.empty(); }
};

// A menu bar: its pop-ups, left to right.
using MenuTemplate = std::vector<MenuItem>;

[[nodiscard]] inline MenuItem MenuCommand(UINT id, String text) { return {id, std::move(text), {}}; }
[[nodiscard]] inline MenuItem MenuSeparator() { return {}; }
[[nodiscard]] inline MenuItem MenuPopup(String text, std::vector<MenuItem> items) { return {0, std::move(text), std::move(items)}; }

// An accelerator's modifier bits, with their values on the original platform. FVIRTKEY: `key` is
// a virtual key (platform/ui/window/virtual_keys.h); the table holds only such keys.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

// A key with exactly the modifiers `fVirt` names runs command `cmd`.
struct Accel {
    BYTE fVirt = FVIRTKEY;
    WORD key = 0;
    WORD cmd = 0;
};

using AcceleratorTable = std::vector<Accel>;

// A toolbar's buttons by command id, left to right; 0 is a separator. Its pictures are the
// bitmap of the same id: one 16 x 15 picture per button (separators have none), side by side.
using ToolBarTemplate = std::vector<UINT>;

}  // namespace platform::ui
