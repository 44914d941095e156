#include "platform/ui/frame/action_cmd_ui.h"

#include "platform/ui/frame/command_state.h"
#include "platform/ui/window/qt_text.h"

#include <QAction>
#include <QPointer>

namespace platform::ui::detail {

ActionCmdUI::ActionCmdUI(QAction& action) : CmdUI(CommandOfAction(action)), action_(action) {}

void ActionCmdUI::Enable(BOOL on) {
    CmdUI::Enable(on);
    action_.setEnabled(on != FALSE);
}

void ActionCmdUI::SetCheck(int check) {
    CmdUI::SetCheck(check);
    action_.setCheckable(check != 0);
    action_.setChecked(check != 0);
}

void ActionCmdUI::SetText(const char* text) {
    CmdUI::SetText(text);
    action_.setText(QtTextOf(text));
}

UINT CommandOfAction(const QAction& action) { return action.data().toUInt(); }

void UpdateActions(const QList<QAction*>& actions, CmdTarget& route) {
    for (const QPointer<QAction> action : actions) {
        // A handler may have rebuilt the menu or the bar: the actions gone are passed over.
        if (!action || CommandOfAction(*action) == 0) continue;
        ActionCmdUI state(*action);
        UpdateCommandState(route, state);
    }
}

}  // namespace platform::ui::detail
