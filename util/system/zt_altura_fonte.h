// Font heights in the logical units a font is asked for.
//
// Pure apart from asking the device its resolution; callers without a device of their own pass
// platform::ScreenDeviceContext().
#pragma once

#include "platform/system/device_context.h"

// The negative height that asks for characters `pontos` points high on `dispositivo`:
// -(pontos × its vertical pixels per inch ÷ 72), rounded half away from zero (MulDiv).
[[nodiscard]] int ZTAlturaFonte(const platform::DeviceContext& dispositivo, int pontos);
