#include "platform/ui/bar/text_fit.h"

namespace platform::ui {

namespace {

constexpr const char* kEllipsis = "...";

}  // namespace

String FittingStart(const Canvas& canvas, const String& text, int width) {
    int length = text.GetLength();
    while (length > 0 && canvas.MeasureText(text.Left(length)).cx > width) --length;
    return text.Left(length);
}

String WithEllipsisToFit(const Canvas& canvas, const String& text, int width) {
    if (canvas.MeasureText(text).cx <= width) return text;
    const int room = width - canvas.MeasureText(kEllipsis).cx;
    return FittingStart(canvas, text, room) + kEllipsis;
}

}  // namespace platform::ui
