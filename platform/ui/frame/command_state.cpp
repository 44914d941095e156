#include "platform/ui/frame/command_state.h"

namespace platform::ui {

bool UpdateCommandState(CmdTarget& route, CmdUI& state) {
    state.DoUpdate(route);
    if (!state.IsEnableSet()) state.Enable(route.OnCmdMsg(state.m_nID, CN_FIND_COMMAND, nullptr));
    return state.IsEnabled();
}

}  // namespace platform::ui
