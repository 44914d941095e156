// A canvas for window tests that passes every call on to the real one (so that measures and
// pictures stay those of the screen) and keeps what was drawn: texts, pictures and fills.
// One thread, one drawing.
#pragma once

#include "platform/ui/canvas.h"

#include <string>
#include <vector>

namespace framework::testing {

struct DrawnImage {
    platform::ui::Point at;
    platform::ui::Rect source;
};

class ObservingCanvas final : public platform::ui::Canvas {
public:
    explicit ObservingCanvas(platform::ui::Canvas& inner) : inner_(inner) {}

    [[nodiscard]] platform::ui::FontDescription CurrentFont() const override { return inner_.CurrentFont(); }
    void SelectFont(const platform::ui::FontDescription& font) override { inner_.SelectFont(font); }
    [[nodiscard]] platform::ui::FontDescription DefaultGuiFont() const override { return inner_.DefaultGuiFont(); }
    [[nodiscard]] int TextHeight() const override { return inner_.TextHeight(); }
    [[nodiscard]] platform::ui::Size MeasureText(const platform::String& text) const override {
        return inner_.MeasureText(text);
    }
    [[nodiscard]] platform::ui::Colour TextColour() const override { return inner_.TextColour(); }
    void SetTextColour(platform::ui::Colour colour) override { inner_.SetTextColour(colour); }
    [[nodiscard]] platform::ui::Point CurrentPosition() const override { return inner_.CurrentPosition(); }
    void MoveTo(platform::ui::Point position) override { inner_.MoveTo(position); }
    void TextOutAtCurrentPosition(const platform::String& text) override {
        texts.push_back(text.str());
        inner_.TextOutAtCurrentPosition(text);
    }
    void FillRect(const platform::ui::Rect& rect, platform::ui::Colour colour) override {
        fills.push_back(rect);
        inner_.FillRect(rect, colour);
    }
    void DrawImage(const platform::ui::Image& image, platform::ui::Point at, const platform::ui::Rect& source) override {
        images.push_back({at, source});
        inner_.DrawImage(image, at, source);
    }

    // The texts in the order drawn, concatenated.
    [[nodiscard]] std::string Text() const;

    std::vector<std::string> texts;
    std::vector<platform::ui::Rect> fills;
    std::vector<DrawnImage> images;

private:
    platform::ui::Canvas& inner_;
};

}  // namespace framework::testing
