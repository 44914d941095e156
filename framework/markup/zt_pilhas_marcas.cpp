#include "framework/markup/zt_pilhas_marcas.h"

namespace markup {

void PilhaCores::Empilha(platform::ui::Colour cor) {
    cores_.push_back(cor);
    dc_.SetTextColour(cor);
}

void PilhaCores::Desempilha() {
    if (cores_.size() >= 2) cores_.pop_back();
    dc_.SetTextColour(cores_.back());
}

PilhaFontes::PilhaFontes(platform::ui::Canvas& dc, const platform::ui::FontDescription& base)
    : dc_(dc), anterior_(dc.CurrentFont()), fontes_{base} {
    dc_.SelectFont(base);
}

void PilhaFontes::Empilha(Estilo estilo) {
    platform::ui::FontDescription fonte = fontes_.back();
    switch (estilo) {
        case Estilo::Negrito: fonte.weight = 700; break;
        case Estilo::Italico: fonte.italic = true; break;
        case Estilo::Sublinhado: fonte.underline = true; break;
    }
    fontes_.push_back(fonte);
    dc_.SelectFont(fonte);
}

void PilhaFontes::Desempilha() {
    if (fontes_.size() >= 2) fontes_.pop_back();
    dc_.SelectFont(fontes_.back());
}

}  // namespace markup
