// UpdateDialogControls: the update handlers of a target run on a window's controls.
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/control/button.h"
#include "platform/ui/window/wnd.h"

namespace platform::ui {

namespace {

// The state an update handler sets, put on the control of its id.
class ControlCmdUI final : public CmdUI {
public:
    explicit ControlCmdUI(Wnd& control) : CmdUI(control.GetDlgCtrlID()), control_(control) {}

    void Enable(BOOL on = TRUE) override {
        CmdUI::Enable(on);
        control_.EnableWindow(on);
    }
    void SetCheck(int check = 1) override {
        CmdUI::SetCheck(check);
        if (IsButtonKind(control_.GetKind())) control_.SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    }
    void SetText(const char* text) override {
        CmdUI::SetText(text);
        control_.SetWindowText(text);
    }

private:
    Wnd& control_;
};

}  // namespace

void Wnd::UpdateDialogControls(CmdTarget* target, BOOL disableIfNoHandler) {
    if (!target) return;
    for (Wnd* child : GetChildWindows()) {
        // A handler may destroy controls; the ones gone are passed over.
        if (!IsChild(child) || child->GetDlgCtrlID() == 0) continue;
        ControlCmdUI state(*child);
        if (!state.DoUpdate(*target) && disableIfNoHandler && child->GetKind() == WindowKind::PushButton) {
            child->EnableWindow(FALSE);
        }
    }
}

}  // namespace platform::ui
