// A surface to draw text and pictures on: what the callers' drawing code asks of a device context.
//
// The window layer hands one to paint handlers and owner-draw callbacks (over a Qt painter); tests
// use a recorder. A canvas keeps a current font, a text colour and a current position, as a device
// context does. It is used on one thread, for the duration of one drawing.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/draw/image.h"
#include "platform/ui/geometry.h"

namespace platform::ui {

// A logical font: enough to create it again with one attribute changed.
struct FontDescription {
    String face;          // empty: the layer's default face
    int height = 0;       // character height in pixels; 0: the default size
    int weight = 400;     // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The font text is drawn in; SelectFont replaces it until the next SelectFont.
    [[nodiscard]] virtual FontDescription CurrentFont() const = 0;
    virtual void SelectFont(const FontDescription& font) = 0;
    // The default font of the user interface (what a caller without a font of its own gets).
    [[nodiscard]] virtual FontDescription DefaultGuiFont() const = 0;
    // The height of a line of the current font, in pixels.
    [[nodiscard]] virtual int TextHeight() const = 0;
    // The extent the text takes in the current font.
    [[nodiscard]] virtual Size MeasureText(const String& text) const = 0;

    [[nodiscard]] virtual Colour TextColour() const = 0;
    virtual void SetTextColour(Colour colour) = 0;

    [[nodiscard]] virtual Point CurrentPosition() const = 0;
    virtual void MoveTo(Point position) = 0;
    // Draws the text with its baseline box's bottom at the current position's y, starting at its x,
    // in the current font and colour, with a transparent background; the current position then
    // moves right by the text's width.
    virtual void TextOutAtCurrentPosition(const String& text) = 0;

    virtual void FillRect(const Rect& rect, Colour colour) = 0;

    // Copies the part `source` of `image` (a bitmap, a frame of an image list) with its top left
    // at `at`, transparent pixels left out. A canvas that keeps no pictures (a text recorder)
    // may ignore it.
    virtual void DrawImage(const Image& image, Point at, const Rect& source) {}
};

}  // namespace platform::ui
