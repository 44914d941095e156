#include "platform/ui/command/cmd_target.h"

#include "platform/ui/command/cmd_ui.h"

#include <algorithm>

namespace platform::ui {

BOOL CmdTarget::OnCmdMsg(UINT id, int code, CmdUI* cmdUI) { return HandleOwnCommand(id, code, cmdUI); }

void CmdTarget::MapCommand(UINT id, CommandHandler handler) {
    entries_.push_back({id, id, CN_COMMAND, [handler = std::move(handler)](UINT, UINT, UINT) { handler(); }, {}});
}

void CmdTarget::MapCommandRange(UINT first, UINT last, CommandRangeHandler handler) {
    entries_.push_back({first, last, CN_COMMAND, std::move(handler), {}});
}

void CmdTarget::MapUpdateCommandUI(UINT id, UpdateHandler handler) { MapUpdateCommandUIRange(id, id, std::move(handler)); }

void CmdTarget::MapUpdateCommandUIRange(UINT first, UINT last, UpdateHandler handler) {
    entries_.push_back({first, last, CN_UPDATE_COMMAND_UI, {}, std::move(handler)});
}

BOOL CmdTarget::HandleOwnCommand(UINT id, int code, CmdUI* cmdUI) {
    if (code == CN_UPDATE_COMMAND_UI && !cmdUI) return FALSE;
    const int wanted = code == CN_FIND_COMMAND ? CN_COMMAND : code;
    // The latest entry first: a derived class fills its table after its bases.
    const auto entry = std::find_if(entries_.rbegin(), entries_.rend(), [&](const Entry& candidate) {
        return candidate.code == wanted && candidate.first <= id && id <= candidate.last;
    });
    if (entry == entries_.rend()) return FALSE;
    if (code == CN_FIND_COMMAND) return TRUE;
    // Copies: a handler may delete this object, and its table with it.
    if (code == CN_UPDATE_COMMAND_UI) {
        const UpdateHandler update = entry->update;
        update(cmdUI);
    } else {
        const CommandRangeHandler command = entry->command;
        const UINT first = entry->first;
        const UINT last = entry->last;
        command(id, first, last);
    }
    return TRUE;
}

BOOL CmdUI::DoUpdate(CmdTarget& target) { return target.OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this); }

}  // namespace platform::ui
