// A canvas with the screen's font metrics for measuring text outside a paint (what a window's
// device context is used for between paints): whatever is drawn on it lands on a one-pixel
// scratch picture and is lost. User-interface thread, one measuring at a time.
#pragma once

#include "platform/ui/canvas.h"

#include <memory>

namespace platform::ui {

class ScratchCanvas final : public Canvas {
public:
    ScratchCanvas();
    ~ScratchCanvas() override;

    [[nodiscard]] FontDescription CurrentFont() const override;
    void SelectFont(const FontDescription& font) override;
    [[nodiscard]] FontDescription DefaultGuiFont() const override;
    [[nodiscard]] int TextHeight() const override;
    [[nodiscard]] Size MeasureText(const String& text) const override;
    [[nodiscard]] Colour TextColour() const override;
    void SetTextColour(Colour colour) override;
    [[nodiscard]] Point CurrentPosition() const override;
    void MoveTo(Point position) override;
    void TextOutAtCurrentPosition(const String& text) override;
    void FillRect(const Rect& rect, Colour colour) override;

private:
    struct Surface;
    std::unique_ptr<Surface> surface_;
};

}  // namespace platform::ui
