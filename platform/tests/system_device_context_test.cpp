#include "platform/system/device_context.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

// Without a display every font size is computed for a 96 dpi screen.
TEST(ScreenDeviceContext, DefaultsTo96PixelsPerInch) {
    EXPECT_EQ(ScreenDeviceContext().LogicalPixelsY(), 96);
}

// The window layer's screen must replace the default, and removing it must bring the default back.
TEST(ScreenDeviceContext, InstalledScreenWinsUntilRemoved) {
    const FixedDeviceContext large(120);
    const DeviceContext* original = SetScreenDeviceContext(&large);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(ScreenDeviceContext().LogicalPixelsY(), 120);
    EXPECT_EQ(&ScreenDeviceContext(), &large);
    EXPECT_EQ(SetScreenDeviceContext(nullptr), &large);
    EXPECT_EQ(ScreenDeviceContext().LogicalPixelsY(), 96);
    EXPECT_EQ(&ScreenDeviceContext(), original);
}

}  // namespace
}  // namespace platform
