#include "platform/ui/draw/draw_text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ui {

namespace {

// The text's lines at its own line breaks.
std::vector<std::string> Paragraphs(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            lines.back() += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.emplace_back();
    }
    return lines;
}

int WidthOf(const Canvas& canvas, const std::string& line) { return canvas.MeasureText(String(line)).cx; }

// Words go on the line while they fit in `width`; a word that does not fit starts the next line,
// and a word wider than `width` takes a line of its own. The space at a break is dropped.
void AppendBrokenAtWords(const Canvas& canvas, const std::string& paragraph, int width, std::vector<std::string>& lines) {
    std::string line;
    bool lineStarted = false;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        const std::size_t space = std::min(paragraph.find(' ', start), paragraph.size());
        const std::string word = paragraph.substr(start, space - start);
        const std::string longer = lineStarted ? line + ' ' + word : word;
        if (!lineStarted || WidthOf(canvas, longer) <= width) {
            line = longer;
        } else {
            lines.push_back(line);
            line = word;
        }
        lineStarted = true;
        start = space + 1;
    }
    lines.push_back(line);
}

std::vector<std::string> LinesOf(const Canvas& canvas, const String& text, int width, bool wordBreak) {
    std::vector<std::string> lines;
    for (const std::string& paragraph : Paragraphs(text.str())) {
        if (wordBreak) {
            AppendBrokenAtWords(canvas, paragraph, width, lines);
        } else {
            lines.push_back(paragraph);
        }
    }
    return lines;
}

}  // namespace

int DrawText(Canvas& canvas, const String& text, Rect* rect, UINT format) {
    const std::vector<std::string> lines = LinesOf(canvas, text, rect->Width(), (format & DT_WORDBREAK) != 0);
    const int lineHeight = canvas.TextHeight();
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const std::string& line : lines) widest = std::max(widest, WidthOf(canvas, line));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    int bottom = rect->top;
    for (const std::string& line : lines) {
        bottom += lineHeight;
        canvas.MoveTo({rect->left, bottom});
        canvas.TextOutAtCurrentPosition(String(line));
    }
    return height;
}

}  // namespace platform::ui
