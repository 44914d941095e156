#include "platform/ui/box/next_dialog.h"

#include <deque>
#include <map>

namespace platform::ui {

namespace {

std::map<UINT, std::deque<DialogHook>>& Hooks() {
    static std::map<UINT, std::deque<DialogHook>> hooks;
    return hooks;
}

}  // namespace

void OnNextDialog(UINT templateId, DialogHook hook) { Hooks()[templateId].push_back(std::move(hook)); }

BOOL RunNextDialogHook(UINT templateId, Wnd& dialog) {
    const auto found = Hooks().find(templateId);
    if (found == Hooks().end() || found->second.empty()) return FALSE;
    const DialogHook hook = std::move(found->second.front());
    found->second.pop_front();
    hook(dialog);
    return TRUE;
}

int ClearDialogHooks() {
    int forgotten = 0;
    for (const auto& [id, hooks] : Hooks()) forgotten += static_cast<int>(hooks.size());
    Hooks().clear();
    return forgotten;
}

}  // namespace platform::ui
