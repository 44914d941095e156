// The two stacks of one markup drawing: text colours and fonts. Each lives for one drawing call
// on one canvas and puts the canvas back as the drawing found it (the font) or as its bottom
// entry says (the colour) when restored.
#pragma once

#include "platform/ui/canvas.h"

#include <vector>

namespace markup {

// Colours; the bottom entry is black. A push sets the canvas's text colour.
class PilhaCores {
public:
    explicit PilhaCores(platform::ui::Canvas& dc) : dc_(dc) {}
    void Empilha(platform::ui::Colour cor);
    // Removes the top unless it is the bottom entry; the canvas takes the colour left on top.
    void Desempilha();
    // The canvas takes the bottom colour.
    void Restaura() { dc_.SetTextColour(cores_.front()); }

private:
    platform::ui::Canvas& dc_;
    std::vector<platform::ui::Colour> cores_{platform::ui::Rgb(0, 0, 0)};
};

// What a font push adds to the font on top.
enum class Estilo { Negrito, Italico, Sublinhado };

// Fonts; the bottom entry is the drawing's font, which construction selects into the canvas.
class PilhaFontes {
public:
    PilhaFontes(platform::ui::Canvas& dc, const platform::ui::FontDescription& base);
    // Selects a copy of the top font with the style added.
    void Empilha(Estilo estilo);
    // Removes the top unless it is the bottom entry; selects the font left on top.
    void Desempilha();
    // Selects the font the canvas had before construction.
    void Restaura() { dc_.SelectFont(anterior_); }

private:
    platform::ui::Canvas& dc_;
    platform::ui::FontDescription anterior_;
    std::vector<platform::ui::FontDescription> fontes_;
};

}  // namespace markup
