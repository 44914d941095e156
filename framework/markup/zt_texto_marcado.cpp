#include "framework/markup/zt_texto_marcado.h"

#include "framework/markup/zt_desenho_marcado.h"

#include <string_view>

namespace {

// The renderer every caller of the process shares, made on first use and gone at exit. Each
// drawing keeps its stacks to itself.
class CZTTextoMarcado {
public:
    static const CZTTextoMarcado& Instancia() {
        static const CZTTextoMarcado renderizador;
        return renderizador;
    }

    int Desenha(platform::ui::Canvas& dc, std::string_view texto, int x, int y, int espacoExtra,
                const platform::ui::FontDescription* fonte) const {
        const platform::ui::FontDescription base = fonte ? *fonte : dc.DefaultGuiFont();
        return markup::DesenhoMarcado(dc, x, y, espacoExtra, base).Desenha(texto);
    }

    CZTString SemMarcas(std::string_view texto) const {
        CZTString limpo;
        bool dentroDeMarca = false;
        for (const char c : texto) {
            if (dentroDeMarca) {
                dentroDeMarca = c != ']';
            } else if (c == '[') {
                dentroDeMarca = true;
            } else {
                limpo += c;
            }
        }
        return limpo;
    }
};

std::string_view TextoOuVazio(const char* texto) { return texto ? std::string_view(texto) : std::string_view(); }

}  // namespace

int ZTDesenhaTextoMarcado(platform::ui::Canvas& dc, const char* texto, int x, int y, int espacoExtra,
                          const platform::ui::FontDescription* fonte) {
    return CZTTextoMarcado::Instancia().Desenha(dc, TextoOuVazio(texto), x, y, espacoExtra, fonte);
}

CZTString ZTTextoSemMarcas(const char* texto) {
    return CZTTextoMarcado::Instancia().SemMarcas(TextoOuVazio(texto));
}
