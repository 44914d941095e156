// A canvas for tests that draws nothing and records every text run with the font, colour and
// position it was drawn in.
//
// Text height is the font's height (13 for the default size); each character is 6 pixels wide,
// so that positions after a run are easy to predict. One thread, one test.
#pragma once

#include "platform/ui/canvas.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace framework::testing {

struct TextRun {
    std::string text;
    platform::ui::FontDescription font;
    platform::ui::Colour colour = 0;
    platform::ui::Point position;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// Prints a run for GoogleTest's failure messages.
void PrintTo(const TextRun& run, std::ostream* out);

class RecordingCanvas final : public platform::ui::Canvas {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kDefaultHeight = 13;

    [[nodiscard]] platform::ui::FontDescription CurrentFont() const override { return font; }
    void SelectFont(const platform::ui::FontDescription& selected) override { font = selected; }
    [[nodiscard]] platform::ui::FontDescription DefaultGuiFont() const override { return defaultGuiFont; }
    [[nodiscard]] int TextHeight() const override { return font.height ? font.height : kDefaultHeight; }
    [[nodiscard]] platform::ui::Size MeasureText(const platform::String& text) const override;
    [[nodiscard]] platform::ui::Colour TextColour() const override { return colour; }
    void SetTextColour(platform::ui::Colour selected) override { colour = selected; }
    [[nodiscard]] platform::ui::Point CurrentPosition() const override { return position; }
    void MoveTo(platform::ui::Point to) override { position = to; }
    void TextOutAtCurrentPosition(const platform::String& text) override;
    void FillRect(const platform::ui::Rect&, platform::ui::Colour) override {}

    platform::ui::FontDescription font;
    platform::ui::FontDescription defaultGuiFont{"Sans", 11};
    platform::ui::Colour colour = 0;
    platform::ui::Point position;
    std::vector<TextRun> runs;
};

}  // namespace framework::testing
