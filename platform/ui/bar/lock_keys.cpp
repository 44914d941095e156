#include "platform/ui/bar/lock_keys.h"

#include "platform/ui/bar/status_bar.h"

#include <fstream>
#include <string_view>
#include <system_error>

namespace platform::ui {

namespace {

// The suffix of the kernel's light names for the lock of an indicator; empty for other ids.
std::string_view LightSuffixOf(UINT indicatorId) {
    switch (indicatorId) {
        case ID_INDICATOR_CAPS: return "::capslock";
        case ID_INDICATOR_NUM: return "::numlock";
        case ID_INDICATOR_SCRL: return "::scrolllock";
        default: return {};
    }
}

bool IsLit(const std::filesystem::path& light) {
    std::ifstream brightness(light / "brightness");
    int value = 0;
    return brightness >> value && value > 0;
}

}  // namespace

bool IsLockKeyOn(UINT indicatorId, const std::filesystem::path& lights) {
    const std::string_view suffix = LightSuffixOf(indicatorId);
    if (suffix.empty()) return false;
    std::error_code error;
    // A machine has a handful of lights; the bound only keeps a strange folder from costing much.
    constexpr int kMaxLights = 256;
    int seen = 0;
    for (std::filesystem::directory_iterator entry(lights, error), end; !error && entry != end && seen < kMaxLights;
         entry.increment(error), ++seen) {
        if (entry->path().filename().string().ends_with(suffix) && IsLit(entry->path())) return true;
    }
    return false;
}

}  // namespace platform::ui
