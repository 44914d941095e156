// The state of one command's user interface (a menu item, a button, a status-bar pane), as its
// update handler sets it.
//
// Whoever shows the command makes a CmdUI for its id and lets DoUpdate route it to the update
// handler; a class that shows it derives and overrides the setters (calling the base, which keeps
// the state). User-interface thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

namespace platform::ui {

class CmdTarget;

class CmdUI {
public:
    explicit CmdUI(UINT id) : m_nID(id) {}
    virtual ~CmdUI() = default;

    virtual void Enable(BOOL on = TRUE) {
        enabled_ = on != FALSE;
        enableSet_ = true;
    }
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int check = 1) { check_ = check; }
    virtual void SetText(const char* text) { text_ = text; textSet_ = true; }

    // Routes the update of m_nID through `target`; TRUE when a handler took it.
    BOOL DoUpdate(CmdTarget& target);

    [[nodiscard]] bool IsEnabled() const { return enabled_; }
    // Whether a handler enabled or disabled the command.
    [[nodiscard]] bool IsEnableSet() const { return enableSet_; }
    [[nodiscard]] int GetCheck() const { return check_; }
    // The text a handler set; `HasText` tells whether one did.
    [[nodiscard]] const String& GetText() const { return text_; }
    [[nodiscard]] bool HasText() const { return textSet_; }

    UINT m_nID;

private:
    bool enabled_ = true;
    bool enableSet_ = false;
    int check_ = 0;
    String text_;
    bool textSet_ = false;
};

}  // namespace platform::ui
