// The styles of the layer's controls, with their values on the original platform. Plain values.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {

// Edits.
constexpr UINT ES_MULTILINE = 0x0004;
// Enter in a multi-line edit starts a new line instead of reaching the dialog.
constexpr UINT ES_WANTRETURN = 0x1000;

// Combo boxes: exactly one of the three.
constexpr UINT CBS_SIMPLE = 0x0001;
constexpr UINT CBS_DROPDOWN = 0x0002;
constexpr UINT CBS_DROPDOWNLIST = 0x0003;

// Buttons: exactly one of these.
constexpr UINT BS_PUSHBUTTON = 0x0000;
constexpr UINT BS_DEFPUSHBUTTON = 0x0001;
constexpr UINT BS_AUTOCHECKBOX = 0x0003;
constexpr UINT BS_AUTO3STATE = 0x0006;
constexpr UINT BS_AUTORADIOBUTTON = 0x0009;

}  // namespace platform::ui
