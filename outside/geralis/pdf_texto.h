// Text on a report page: measures and draws Windows-1252 texts in the report's few styles,
// wrapped within a width and cut (with an ellipsis) at a height, through pango on a cairo context.
//
// Measuring and drawing use the same layouts, so a text takes on the page exactly the height it
// was measured with. Lengths are PDF points. The object borrows the cairo context (which must
// outlive it) and owns its pango context and layouts; one thread at a time.
#pragma once

#include "util/text/zt_string.h"

#include <memory>

typedef struct _cairo cairo_t;
typedef struct _PangoLayout PangoLayout;

enum class GeralisEstilo { Corpo, Nota, Legenda, Empresa, Titulo, Pagina };
enum class GeralisAlinhamento { Esquerda, Centro, Direita };

class CGeralisTexto {
public:
    explicit CGeralisTexto(cairo_t* cr);
    ~CGeralisTexto();
    CGeralisTexto(const CGeralisTexto&) = delete;
    CGeralisTexto& operator=(const CGeralisTexto&) = delete;

    // The height `texto` takes in `estilo` wrapped within `largura`, at most `alturaMaxima` (at
    // least one line, whatever the limit).
    [[nodiscard]] double Altura(const CZTString& texto, GeralisEstilo estilo, double largura, double alturaMaxima);
    // Draws it with its top left corner at (x, y), as Altura measured it.
    void Desenha(const CZTString& texto, GeralisEstilo estilo, double x, double y, double largura, double alturaMaxima,
                 GeralisAlinhamento alinhamento);

private:
    struct Pango;
    // Sets the layout of `estilo` up for this text and these bounds and returns it.
    PangoLayout* Prepara(const CZTString& texto, GeralisEstilo estilo, double largura, double alturaMaxima,
                  GeralisAlinhamento alinhamento);

    cairo_t* cr_;
    std::unique_ptr<Pango> pango_;
};
