#include "platform/system/device_context.h"

namespace platform {

namespace {

const FixedDeviceContext gDefaultScreen(kDefaultPixelsPerInch);
const DeviceContext* gScreen = &gDefaultScreen;

}  // namespace

const DeviceContext* SetScreenDeviceContext(const DeviceContext* screen) {
    const DeviceContext* previous = gScreen;
    gScreen = screen ? screen : &gDefaultScreen;
    return previous;
}

const DeviceContext& ScreenDeviceContext() { return *gScreen; }

}  // namespace platform
