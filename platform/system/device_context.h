// The device a text is measured on, as far as font sizes need it: its vertical resolution.
//
// Font heights are asked in logical units, so a height in points depends on the device's logical
// pixels per inch. The window layer installs the screen's device at start-up (as it installs its
// Interaction); until then, and wherever no display is known (the server, tests), the screen
// counts 96 pixels per inch. Install and use from one thread.
#pragma once

namespace platform {

// The resolution assumed when no display is known.
constexpr int kDefaultPixelsPerInch = 96;

class DeviceContext {
public:
    virtual ~DeviceContext() = default;
    // Logical pixels per inch along the device's height.
    [[nodiscard]] virtual int LogicalPixelsY() const = 0;
};

// A device of a given resolution (a printer page, a test).
class FixedDeviceContext final : public DeviceContext {
public:
    explicit FixedDeviceContext(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}
    [[nodiscard]] int LogicalPixelsY() const override { return pixelsPerInch_; }

private:
    int pixelsPerInch_;
};

// Installs the screen's device (not owned; null restores the default) and returns the previous one.
const DeviceContext* SetScreenDeviceContext(const DeviceContext* screen);
// The screen's device: the installed one, else one of kDefaultPixelsPerInch.
[[nodiscard]] const DeviceContext& ScreenDeviceContext();

}  // namespace platform
