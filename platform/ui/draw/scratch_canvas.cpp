#include "platform/ui/draw/scratch_canvas.h"

#include "platform/ui/draw/qt_canvas.h"

#include <QImage>
#include <QPainter>

namespace platform::ui {

// Declared in this order so that the painter ends before its picture.
struct ScratchCanvas::Surface {
    QImage picture{1, 1, QImage::Format_ARGB32};
    QPainter painter{&picture};
    QtCanvas canvas{painter};
};

ScratchCanvas::ScratchCanvas() : surface_(std::make_unique<Surface>()) {}
ScratchCanvas::~ScratchCanvas() = default;

FontDescription ScratchCanvas::CurrentFont() const { return surface_->canvas.CurrentFont(); }
void ScratchCanvas::SelectFont(const FontDescription& font) { surface_->canvas.SelectFont(font); }
FontDescription ScratchCanvas::DefaultGuiFont() const { return surface_->canvas.DefaultGuiFont(); }
int ScratchCanvas::TextHeight() const { return surface_->canvas.TextHeight(); }
Size ScratchCanvas::MeasureText(const String& text) const { return surface_->canvas.MeasureText(text); }
Colour ScratchCanvas::TextColour() const { return surface_->canvas.TextColour(); }
void ScratchCanvas::SetTextColour(Colour colour) { surface_->canvas.SetTextColour(colour); }
Point ScratchCanvas::CurrentPosition() const { return surface_->canvas.CurrentPosition(); }
void ScratchCanvas::MoveTo(Point position) { surface_->canvas.MoveTo(position); }
void ScratchCanvas::TextOutAtCurrentPosition(const String& text) { surface_->canvas.TextOutAtCurrentPosition(text); }
void ScratchCanvas::FillRect(const Rect& rect, Colour colour) { surface_->canvas.FillRect(rect, colour); }

}  // namespace platform::ui
