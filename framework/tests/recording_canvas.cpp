#include "framework/tests/recording_canvas.h"

#include <ostream>

namespace framework::testing {

void PrintTo(const TextRun& run, std::ostream* out) {
    *out << '"' << run.text << "\" font {" << run.font.face.str() << ' ' << run.font.height << ' '
         << run.font.weight << (run.font.italic ? " italic" : "") << (run.font.underline ? " underline" : "")
         << "} colour 0x" << std::hex << run.colour << std::dec << " at (" << run.position.x << ','
         << run.position.y << ')';
}

platform::ui::Size RecordingCanvas::MeasureText(const platform::String& text) const {
    return {text.GetLength() * kCharWidth, TextHeight()};
}

void RecordingCanvas::TextOutAtCurrentPosition(const platform::String& text) {
    runs.push_back({text.str(), font, colour, position});
    position.x += MeasureText(text).cx;
}

}  // namespace framework::testing
