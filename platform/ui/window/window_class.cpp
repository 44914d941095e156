#include "platform/ui/window/window_class.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform::ui {

namespace {

std::mutex gMutex;
std::unordered_map<std::string, WndClass> gClasses;

std::string KeyOf(const char* name) {
    std::string key(name ? name : "");
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

}  // namespace

BOOL RegisterWndClass(const WndClass& wndClass) {
    if (wndClass.name.IsEmpty()) return FALSE;
    const std::lock_guard lock(gMutex);
    return gClasses.try_emplace(KeyOf(wndClass.name.GetString()), wndClass).second ? TRUE : FALSE;
}

BOOL GetWndClassInfo(const char* name, WndClass* found) {
    const std::lock_guard lock(gMutex);
    const auto entry = gClasses.find(KeyOf(name));
    if (entry == gClasses.end()) return FALSE;
    if (found) *found = entry->second;
    return TRUE;
}

}  // namespace platform::ui
