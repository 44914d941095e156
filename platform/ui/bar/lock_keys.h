// The state of the keyboard's lock keys (caps, num and scroll lock), where the platform tells it.
//
// Qt reports no lock state, so the layer reads the keyboard lights the kernel keeps in
// /sys/class/leds ("input3::capslock/brightness" and the like): a lock is on when any keyboard's
// light for it is lit. Where no such light exists (no keyboard, a container, a remote session)
// every lock reads as off. Any thread.
#pragma once

#include "platform/win_types.h"

#include <filesystem>

namespace platform::ui {

// The folder of the kernel's lights.
inline const std::filesystem::path kKeyboardLightsFolder = "/sys/class/leds";

// True when the lock of indicator `indicatorId` (ID_INDICATOR_CAPS, _NUM or _SCRL) is on; false
// for any other id and where `lights` holds no light of that lock.
[[nodiscard]] bool IsLockKeyOn(UINT indicatorId, const std::filesystem::path& lights = kKeyboardLightsFolder);

}  // namespace platform::ui
