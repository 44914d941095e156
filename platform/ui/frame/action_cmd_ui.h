// The update state of a command shown as a Qt action (a menu item, a toolbar button), put on the
// action as the handler sets it (internal). The action's data holds its command id.
#pragma once

#include "platform/ui/command/cmd_target.h"
#include "platform/ui/command/cmd_ui.h"

#include <QList>

class QAction;

namespace platform::ui::detail {

class ActionCmdUI final : public CmdUI {
public:
    explicit ActionCmdUI(QAction& action);

    void Enable(BOOL on = TRUE) override;
    // Only a checked action shows a check mark.
    void SetCheck(int check = 1) override;
    void SetText(const char* text) override;

private:
    QAction& action_;
};

// The command id an action was made for; 0 for a separator or a pop-up.
[[nodiscard]] UINT CommandOfAction(const QAction& action);

// Updates every command action of `actions` through `route` (a command without a handler
// anywhere is disabled).
void UpdateActions(const QList<QAction*>& actions, CmdTarget& route);

}  // namespace platform::ui::detail
