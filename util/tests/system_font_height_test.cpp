#include "platform/system/device_context.h"
#include "util/system/zt_altura_fonte.h"

#include <gtest/gtest.h>

namespace {

struct HeightCase {
    int pixelsPerInch;
    int points;
    int height;
};

// The height is negative (a character height, not a cell height) and rounds as MulDiv does:
// truncating would make 11 points at 96 dpi 14 pixels instead of 15.
TEST(ZTAlturaFonte, IsMinusPointsTimesResolutionOver72Rounded) {
    const HeightCase cases[] = {
        {96, 8, -11},  {96, 9, -12},  {96, 10, -13}, {96, 11, -15}, {96, 12, -16}, {96, 0, 0},
        {120, 8, -13}, {120, 9, -15}, {120, 10, -17}, {120, 11, -18}, {120, 12, -20},
        // A negative size gives a positive height, rounded away from zero as well.
        {96, -11, 15}, {120, -10, 17},
        // Exact halves: 3 points at 12 dpi is 0.5, 9 at 12 is 1.5.
        {12, 3, -1},   {12, 9, -2},
    };
    for (const auto& c : cases) {
        const platform::FixedDeviceContext device(c.pixelsPerInch);
        EXPECT_EQ(ZTAlturaFonte(device, c.points), c.height) << c.points << " points at " << c.pixelsPerInch;
    }
}

// Without a display the screen counts 96 dpi, and an installed screen's resolution is used.
TEST(ZTAlturaFonte, OnTheScreenUsesItsResolution) {
    EXPECT_EQ(ZTAlturaFonte(platform::ScreenDeviceContext(), 10), -13);
    const platform::FixedDeviceContext large(120);
    const platform::DeviceContext* previous = platform::SetScreenDeviceContext(&large);
    EXPECT_EQ(ZTAlturaFonte(platform::ScreenDeviceContext(), 10), -17);
    platform::SetScreenDeviceContext(previous);
}

}  // namespace
