// Points, sizes and rectangles of the window layer, in device pixels, as the callers' window
// code knows them: a rectangle holds its left/top edge and excludes its right/bottom edge.
// Plain values; no Qt.
#pragma once

namespace platform::ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    [[nodiscard]] bool IsEmpty() const { return right <= left || bottom <= top; }
    [[nodiscard]] Point TopLeft() const { return {left, top}; }
    // Moves every edge outwards by dx and dy (inwards for negative values).
    void Inflate(int dx, int dy) { left -= dx; top -= dy; right += dx; bottom += dy; }
    void Deflate(int dx, int dy) { Inflate(-dx, -dy); }
    // Moves the rectangle by dx and dy, keeping its size.
    void Offset(int dx, int dy) { left += dx; top += dy; right += dx; bottom += dy; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as the callers store it: red in the low byte, then green, then blue.
using Colour = unsigned;
[[nodiscard]] constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
[[nodiscard]] constexpr unsigned RedOf(Colour c) { return c & 0xFF; }
[[nodiscard]] constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFF; }
[[nodiscard]] constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace platform::ui
