#include "outside/geralis/pdf_texto.h"

#include "platform/text/codepage.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <array>

namespace {

// Points per pango unit at the 72 units per inch of a PDF surface.
constexpr double kPangoParaPontos = 1.0 / PANGO_SCALE;

struct Fonte {
    const char* descricao;
    bool quebra;  // wraps within its width; the others stay one line, cut with an ellipsis
};

// Indexed by GeralisEstilo.
constexpr std::array<Fonte, 6> kFontes = {{
    {"Sans 7.5", true},
    {"Sans Italic 7.5", true},
    {"Sans Bold 7.5", true},
    {"Sans Bold 10", false},
    {"Sans Bold 13", false},
    {"Sans 8.5", false},
}};

int Unidades(double pontos) { return static_cast<int>(pontos * PANGO_SCALE); }

}  // namespace

struct CGeralisTexto::Pango {
    PangoFontMap* fontes = nullptr;
    PangoContext* contexto = nullptr;
    std::array<PangoLayout*, kFontes.size()> layouts{};

    ~Pango() {
        for (PangoLayout* layout : layouts) {
            if (layout) g_object_unref(layout);
        }
        if (contexto) g_object_unref(contexto);
        if (fontes) g_object_unref(fontes);
    }
};

CGeralisTexto::CGeralisTexto(cairo_t* cr) : cr_(cr), pango_(std::make_unique<Pango>()) {
    // A font map of its own, rather than the thread's default one, lets the fonts a report loaded
    // go with the report instead of staying cached for the life of the process.
    pango_->fontes = pango_cairo_font_map_new();
    pango_->contexto = pango_font_map_create_context(pango_->fontes);
    pango_cairo_update_context(cr_, pango_->contexto);
    // A PDF surface counts in points: one font point is one unit.
    pango_cairo_context_set_resolution(pango_->contexto, 72.0);
    for (size_t i = 0; i < kFontes.size(); ++i) {
        PangoLayout* layout = pango_layout_new(pango_->contexto);
        PangoFontDescription* fonte = pango_font_description_from_string(kFontes[i].descricao);
        pango_layout_set_font_description(layout, fonte);
        pango_font_description_free(fonte);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
        pango_layout_set_single_paragraph_mode(layout, TRUE);
        pango_->layouts[i] = layout;
    }
}

CGeralisTexto::~CGeralisTexto() = default;

PangoLayout* CGeralisTexto::Prepara(const CZTString& texto, GeralisEstilo estilo, double largura, double alturaMaxima,
                             GeralisAlinhamento alinhamento) {
    const auto indice = static_cast<size_t>(estilo);
    PangoLayout* layout = pango_->layouts[indice];
    pango_layout_set_width(layout, Unidades(std::max(largura, 1.0)));
    // A negative height is a count of lines: -1 keeps a one-line style on one line.
    pango_layout_set_height(layout, kFontes[indice].quebra ? Unidades(std::max(alturaMaxima, 1.0)) : -1);
    switch (alinhamento) {
    case GeralisAlinhamento::Esquerda: pango_layout_set_alignment(layout, PANGO_ALIGN_LEFT); break;
    case GeralisAlinhamento::Centro: pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER); break;
    case GeralisAlinhamento::Direita: pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT); break;
    }
    const std::string utf8 = platform::Utf8FromAnsi(texto.view());
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    return layout;
}

double CGeralisTexto::Altura(const CZTString& texto, GeralisEstilo estilo, double largura, double alturaMaxima) {
    PangoLayout* layout = Prepara(texto, estilo, largura, alturaMaxima, GeralisAlinhamento::Esquerda);
    int w = 0;
    int h = 0;
    pango_layout_get_size(layout, &w, &h);
    return h * kPangoParaPontos;
}

void CGeralisTexto::Desenha(const CZTString& texto, GeralisEstilo estilo, double x, double y, double largura,
                            double alturaMaxima, GeralisAlinhamento alinhamento) {
    PangoLayout* layout = Prepara(texto, estilo, largura, alturaMaxima, alinhamento);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout);
}
