// While it lives, code without windows shows its boxes, folder pickers and string-table texts
// through the window layer, and measures fonts at the primary screen's resolution (internal).
#pragma once

#include "platform/interaction.h"
#include "platform/system/device_context.h"

namespace platform::ui {

class LayerSeams final : public Interaction, public DeviceContext {
public:
    // Installs both seams (user-interface thread, with the Qt application made).
    LayerSeams();
    // Puts back the seams that were installed before.
    ~LayerSeams() override;
    LayerSeams(const LayerSeams&) = delete;
    LayerSeams& operator=(const LayerSeams&) = delete;

    int ShowMessage(const String& text, const String& caption, unsigned type, bool owned) override;
    std::optional<String> ChooseFolder(const String& start) override;
    String LoadText(unsigned id) override;
    [[nodiscard]] int LogicalPixelsY() const override { return pixelsPerInch_; }

private:
    int pixelsPerInch_;
    Interaction* previousInteraction_;
    const DeviceContext* previousScreen_;
};

}  // namespace platform::ui
