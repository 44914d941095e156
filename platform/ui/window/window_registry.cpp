#include "platform/ui/window/window_registry.h"

#include "platform/ui/window/wnd.h"

#include <atomic>
#include <mutex>
#include <unordered_map>

namespace platform::ui::detail {

namespace {

std::mutex gMutex;
std::unordered_map<HWND, Wnd*> gWindows;
std::atomic<std::uintptr_t> gLastHandle{0x10000};

}  // namespace

HWND NewWindowHandle() { return reinterpret_cast<HWND>(++gLastHandle); }

void RegisterWindow(HWND handle, Wnd* window) {
    const std::lock_guard lock(gMutex);
    gWindows[handle] = window;
}

void UnregisterWindow(HWND handle) {
    const std::lock_guard lock(gMutex);
    gWindows.erase(handle);
}

Wnd* FindWindow(HWND handle) {
    const std::lock_guard lock(gMutex);
    const auto found = gWindows.find(handle);
    return found == gWindows.end() ? nullptr : found->second;
}

std::vector<Wnd*> TopLevelWindows() {
    const std::lock_guard lock(gMutex);
    std::vector<Wnd*> windows;
    for (const auto& [handle, window] : gWindows) {
        if (!window->GetParent()) windows.push_back(window);
    }
    return windows;
}

}  // namespace platform::ui::detail
