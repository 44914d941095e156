// What a window is, as the callers' class-name and style tests ask it: an edit that leaves Enter
// to its dialog or one that takes it, a combo, the three kinds of button, a static, a tab control,
// a dialog. Each control class answers its own kind; a window of no such class is a plain window.
#pragma once

namespace platform::ui {

enum class WindowKind {
    Window,          // a plain window, or a class of the caller's own
    Edit,            // an edit or rich edit, one line or several, that leaves Enter to its dialog
    WantReturnEdit,  // a multi-line edit (or rich edit) with ES_WANTRETURN: Enter is a new line
    ComboBox,        // of any of the three combo styles
    PushButton,      // a push button, default or not
    CheckBox,        // two or three states
    RadioButton,
    Static,          // a text, a picture's place or a group box's frame
    TabControl,
    Dialog,          // a dialog, a page among them
};

// A push button, check box or radio: a control that takes no typed characters and whose
// arrows move within its group.
[[nodiscard]] constexpr bool IsButtonKind(WindowKind kind) {
    return kind == WindowKind::PushButton || kind == WindowKind::CheckBox || kind == WindowKind::RadioButton;
}

[[nodiscard]] constexpr bool IsEditKind(WindowKind kind) {
    return kind == WindowKind::Edit || kind == WindowKind::WantReturnEdit;
}

}  // namespace platform::ui
