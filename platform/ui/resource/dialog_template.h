// A dialog template as code: what a program's dialog resource describes, registered per module by
// template id (platform/ui/resource/resources.h) and made into windows by the Dialog class.
//
// Sizes and rectangles are in dialog units, which the dialog maps to pixels from its font.
// Controls are listed in creation order, which is also their z order and their tab order. Plain
// values; no Qt.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/control/control_styles.h"
#include "platform/ui/geometry.h"
#include "platform/win_types.h"

#include <vector>

namespace platform::ui {

enum class ControlKind {
    Edit,
    RichEdit,
    ComboBox,
    PushButton,
    CheckBox,
    RadioButton,  // grouped with the radios after it up to the next control that starts a group
    GroupBox,
    Static,
    TabControl,
    Picture,
    Custom,  // a plain window that a class takes over once the dialog exists
};

struct DialogControl {
    ControlKind kind = ControlKind::Static;
    UINT id = 0;
    String text;
    Rect rect;  // dialog units, in the dialog's client area
    bool tabStop = false;
    bool group = false;  // starts a group (of radios, and later of arrow-key moves)
    bool disabled = false;
    bool hidden = false;
    bool defaultButton = false;  // a push button that Enter presses
    int textLimit = 0;           // an edit's or combo's typing limit in characters; 0: none
    UINT options = 0;            // an edit's ES_, a combo's CBS_ or a check box's BS_ style
};

// A dialog's font: the face (empty: the layer's default) and its size in points.
struct DialogFont {
    String face;
    int pointSize = 8;
};

struct DialogTemplate {
    String caption;
    DialogFont font;
    Size size;  // of the client area, in dialog units
    std::vector<DialogControl> controls;
};

}  // namespace platform::ui
