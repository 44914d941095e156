// The canvas over a Qt painter that paint events and owner-draw callbacks get (internal).
#pragma once

#include "platform/ui/canvas.h"

#include <QFont>

class QPainter;

namespace platform::ui {

[[nodiscard]] QFont QtFontOf(const FontDescription& font);

class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    [[nodiscard]] FontDescription CurrentFont() const override { return font_; }
    void SelectFont(const FontDescription& font) override;
    [[nodiscard]] FontDescription DefaultGuiFont() const override { return {}; }
    [[nodiscard]] int TextHeight() const override;
    [[nodiscard]] Size MeasureText(const String& text) const override;
    [[nodiscard]] Colour TextColour() const override { return textColour_; }
    void SetTextColour(Colour colour) override { textColour_ = colour; }
    [[nodiscard]] Point CurrentPosition() const override { return position_; }
    void MoveTo(Point position) override { position_ = position; }
    void TextOutAtCurrentPosition(const String& text) override;
    void FillRect(const Rect& rect, Colour colour) override;
    void DrawImage(const Image& image, Point at, const Rect& source) override;

private:
    QPainter& painter_;
    FontDescription font_;
    Colour textColour_ = 0;
    Point position_;
};

}  // namespace platform::ui
