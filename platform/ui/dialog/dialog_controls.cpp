#include "platform/ui/dialog/dialog_controls.h"

#include "platform/ui/control/button.h"
#include "platform/ui/control/combo_box.h"
#include "platform/ui/control/edit.h"
#include "platform/ui/control/static.h"
#include "platform/ui/control/tab_ctrl.h"
#include "platform/ui/dialog/dialog_units.h"

namespace platform::ui::detail {

namespace {

template <class Control, class Make>
std::unique_ptr<Wnd> Made(Make&& make) {
    auto control = std::make_unique<Control>();
    if (!make(*control)) return nullptr;
    return control;
}

UINT ButtonStyleOf(const DialogControl& control) {
    switch (control.kind) {
        case ControlKind::CheckBox: return control.options == BS_AUTO3STATE ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
        case ControlKind::RadioButton: return BS_AUTORADIOBUTTON;
        default: return control.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    }
}

std::unique_ptr<Wnd> MakeControl(Wnd& dialog, const DialogControl& control, const Rect& rect) {
    const char* text = control.text.GetString();
    const UINT id = control.id;
    switch (control.kind) {
        case ControlKind::Edit:
            return Made<Edit>([&](Edit& edit) { return edit.Create(control.options, rect, &dialog, id, text); });
        case ControlKind::RichEdit:
            return Made<Edit>([&](Edit& edit) { return edit.CreateRich(control.options, rect, &dialog, id, text); });
        case ControlKind::ComboBox:
            return Made<ComboBox>([&](ComboBox& combo) { return combo.Create(control.options, rect, &dialog, id); });
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return Made<Button>([&](Button& button) { return button.Create(text, ButtonStyleOf(control), rect, &dialog, id); });
        case ControlKind::GroupBox:
            return Made<Static>([&](Static& box) { return box.CreateGroupBox(text, rect, &dialog, id); });
        case ControlKind::Static:
            return Made<Static>([&](Static& label) { return label.Create(text, rect, &dialog, id); });
        case ControlKind::Picture:
            return Made<Static>([&](Static& picture) { return picture.Create("", rect, &dialog, id); });
        case ControlKind::TabControl:
            return Made<TabCtrl>([&](TabCtrl& tabs) { return tabs.Create(rect, &dialog, id); });
        case ControlKind::Custom:
            return Made<Wnd>([&](Wnd& window) { return window.Create(&dialog, id, rect); });
    }
    return nullptr;
}

void ApplyTextLimit(Wnd& made, const DialogControl& control) {
    if (control.textLimit <= 0) return;
    if (auto* edit = dynamic_cast<Edit*>(&made)) edit->SetLimitText(static_cast<UINT>(control.textLimit));
    if (auto* combo = dynamic_cast<ComboBox*>(&made)) combo->LimitText(control.textLimit);
}

// The radios from one that starts a group up to the next control that starts one are a group.
class RadioGrouping {
public:
    void Add(Wnd& made, const DialogControl& control) {
        if (control.group) leader_ = nullptr;
        if (control.kind != ControlKind::RadioButton) return;
        auto& radio = static_cast<Button&>(made);
        if (leader_) {
            radio.JoinRadioGroup(*leader_);
        } else {
            leader_ = &radio;
        }
    }

private:
    Button* leader_ = nullptr;
};

}  // namespace

std::vector<std::unique_ptr<Wnd>> CreateDialogControls(Wnd& dialog, const DialogTemplate& dialogTemplate, Size baseUnits) {
    std::vector<std::unique_ptr<Wnd>> controls;
    RadioGrouping radios;
    for (const DialogControl& control : dialogTemplate.controls) {
        std::unique_ptr<Wnd> made = MakeControl(dialog, control, DialogUnitsToPixels(control.rect, baseUnits));
        if (!made) continue;
        ApplyTextLimit(*made, control);
        made->SetTabStop(control.tabStop ? TRUE : FALSE);
        made->SetGroupStart(control.group ? TRUE : FALSE);
        if (control.disabled) made->EnableWindow(FALSE);
        if (control.hidden) made->ShowWindow(SW_HIDE);
        radios.Add(*made, control);
        controls.push_back(std::move(made));
    }
    return controls;
}

}  // namespace platform::ui::detail
