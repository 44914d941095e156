#include "platform/ui/draw/qt_canvas.h"

#include "platform/text/codepage.h"
#include "platform/ui/window/qt_text.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace platform::ui {

namespace {

QColor QtColourOf(Colour colour) {
    return QColor(static_cast<int>(RedOf(colour)), static_cast<int>(GreenOf(colour)), static_cast<int>(BlueOf(colour)));
}

}  // namespace

QFont QtFontOf(const FontDescription& font) {
    QFont qtFont = QApplication::font();
    if (!font.face.IsEmpty()) qtFont.setFamily(QtTextOf(font.face));
    if (font.height > 0) qtFont.setPixelSize(font.height);
    qtFont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    qtFont.setItalic(font.italic);
    qtFont.setUnderline(font.underline);
    return qtFont;
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) { painter_.setFont(QtFontOf(font_)); }

void QtCanvas::SelectFont(const FontDescription& font) {
    font_ = font;
    painter_.setFont(QtFontOf(font_));
}

int QtCanvas::TextHeight() const { return QFontMetrics(painter_.font()).height(); }

Size QtCanvas::MeasureText(const String& text) const {
    const QFontMetrics metrics(painter_.font());
    return {metrics.horizontalAdvance(QtTextOf(text)), metrics.height()};
}

void QtCanvas::TextOutAtCurrentPosition(const String& text) {
    const QFontMetrics metrics(painter_.font());
    const QString qtText = QtTextOf(text);
    painter_.setPen(QtColourOf(textColour_));
    painter_.drawText(QPoint(position_.x, position_.y - metrics.descent()), qtText);
    position_.x += metrics.horizontalAdvance(qtText);
}

void QtCanvas::FillRect(const Rect& rect, Colour colour) {
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), QtColourOf(colour));
}

void QtCanvas::DrawImage(const Image& image, Point at, const Rect& source) {
    if (image.IsNull()) return;
    const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                      image.width * 4, QImage::Format_ARGB32);
    painter_.drawImage(QPoint(at.x, at.y), view, QRect(source.left, source.top, source.Width(), source.Height()));
}

}  // namespace platform::ui
