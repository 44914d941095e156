// An object that handles commands: menu and toolbar ids, and the asks to update their state.
//
// Each class fills its own handler table in its constructor (single ids and ranges, for the
// command and for its update); a class derived later overrides the handlers of its bases for the
// same id. OnCmdMsg looks in the object's own table; windows, documents and the application
// extend it into the route active view, document, frame, application, where the first handler
// wins. Command ids are 16 bits. User-interface thread.
#pragma once

#include "platform/win_types.h"

#include <functional>
#include <vector>

namespace platform::ui {

class CmdUI;

// OnCmdMsg's codes: run the command, update its user-interface state, or only find whether a
// command handler is on the route (TRUE when one is; nothing runs).
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;
constexpr int CN_FIND_COMMAND = -2;

class CmdTarget {
public:
    CmdTarget() = default;
    virtual ~CmdTarget() = default;
    CmdTarget(const CmdTarget&) = delete;
    CmdTarget& operator=(const CmdTarget&) = delete;

    // Runs the handler of command `id` (CN_COMMAND) or its update handler on `cmdUI`
    // (CN_UPDATE_COMMAND_UI); TRUE when some handler on the route took it.
    virtual BOOL OnCmdMsg(UINT id, int code, CmdUI* cmdUI);

protected:
    using CommandHandler = std::function<void()>;
    // A range handler gets the command's id and the range it was registered for.
    using CommandRangeHandler = std::function<void(UINT id, UINT first, UINT last)>;
    using UpdateHandler = std::function<void(CmdUI* cmdUI)>;

    void MapCommand(UINT id, CommandHandler handler);
    void MapCommandRange(UINT first, UINT last, CommandRangeHandler handler);
    // The handler gets the CmdUI of the id being updated.
    void MapUpdateCommandUI(UINT id, UpdateHandler handler);
    // The handler gets the CmdUI of each id of the range that is updated.
    void MapUpdateCommandUIRange(UINT first, UINT last, UpdateHandler handler);

    // Runs this object's own handler only; TRUE when its table has one.
    BOOL HandleOwnCommand(UINT id, int code, CmdUI* cmdUI);

private:
    struct Entry {
        UINT first;
        UINT last;
        int code;
        CommandRangeHandler command;
        UpdateHandler update;
    };
    std::vector<Entry> entries_;
};

}  // namespace platform::ui
