// One drawing of a markup text on a canvas: walks the text through the recogniser, draws each
// run of plain text at the current position in the font and colour on top of the stacks, and
// moves the position for line breaks. Lives for one call; the canvas's font is put back and its
// colour reset to black at the end.
#pragma once

#include "framework/markup/zt_pilhas_marcas.h"

#include <string>
#include <string_view>

namespace markup {

class DesenhoMarcado {
public:
    // The text starts at (x, y + 16) in `fonte`; each line feed goes down by the font's text
    // height plus `espacoExtra`.
    DesenhoMarcado(platform::ui::Canvas& dc, int x, int y, int espacoExtra, const platform::ui::FontDescription& fonte);

    // Draws `texto` and returns the height used: 16 plus one line step per line feed. Once only.
    int Desenha(std::string_view texto);

private:
    // Does what the state reached on `c` asks; returns how many of the characters after it
    // (`resto`) it consumed.
    std::size_t Age(char c, std::string_view resto);
    // A colour tag's six hexadecimal digits and ']' at the start of `resto`: pushes the colour.
    bool EmpilhaCorSeCompleta(std::string_view resto);
    // Draws the pending text (advancing the position), empties it, and returns to plain text.
    void Descarrega();

    platform::ui::Canvas& dc_;
    const int x_;
    const int espacoExtra_;
    PilhaCores cores_;
    PilhaFontes fontes_;
    const int alturaTexto_;
    int estado_ = 0;
    Estilo estilo_ = Estilo::Negrito;
    std::string pendente_;
    int altura_ = 16;
};

}  // namespace markup
