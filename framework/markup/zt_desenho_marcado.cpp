#include "framework/markup/zt_desenho_marcado.h"

#include "framework/markup/zt_marcas.h"

#include <optional>

namespace markup {

namespace {

// The first line's baseline box ends this far below the top the caller gives.
constexpr int kAlturaPrimeiraLinha = 16;
// "[C" is followed by six hexadecimal digits and ']'.
constexpr std::size_t kTamanhoCor = 7;

std::optional<unsigned> ValorHexa(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

// The colour of "RRGGBB]" at the start of `texto`; none unless all seven characters are there.
std::optional<platform::ui::Colour> LeCor(std::string_view texto) {
    if (texto.size() < kTamanhoCor || texto[kTamanhoCor - 1] != ']') return std::nullopt;
    unsigned componentes[3] = {};
    for (std::size_t i = 0; i < 6; ++i) {
        const auto digito = ValorHexa(texto[i]);
        if (!digito) return std::nullopt;
        componentes[i / 2] = componentes[i / 2] * 16 + *digito;
    }
    return platform::ui::Rgb(componentes[0], componentes[1], componentes[2]);
}

std::optional<Estilo> EstiloDaLetra(char c) {
    switch (c) {
        case 'B': case 'b': return Estilo::Negrito;
        case 'I': case 'i': return Estilo::Italico;
        case 'U': case 'u': return Estilo::Sublinhado;
        default: return std::nullopt;
    }
}

}  // namespace

DesenhoMarcado::DesenhoMarcado(platform::ui::Canvas& dc, int x, int y, int espacoExtra,
                               const platform::ui::FontDescription& fonte)
    : dc_(dc), x_(x), espacoExtra_(espacoExtra), cores_(dc), fontes_(dc, fonte), alturaTexto_(dc.TextHeight()) {
    dc_.MoveTo({x, y + kAlturaPrimeiraLinha});
}

int DesenhoMarcado::Desenha(std::string_view texto) {
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (const auto proximo = ProximoEstado(estado_, c)) {
            estado_ = *proximo;
        } else if (GuardaCaractereSemTransicao(estado_)) {
            pendente_ += c;
        }
        i += Age(c, texto.substr(i + 1));
    }
    Descarrega();
    fontes_.Restaura();
    cores_.Restaura();
    return altura_;
}

std::size_t DesenhoMarcado::Age(char c, std::string_view resto) {
    switch (estado_) {
        case kEstilo:
            if (const auto estilo = EstiloDaLetra(c)) estilo_ = *estilo;
            break;
        case kCor:
            if (EmpilhaCorSeCompleta(resto)) return kTamanhoCor;
            pendente_ += c;  // not a colour: the letter is text, the '[' before it is lost
            estado_ = kTexto;
            break;
        case kRetorno:
            Descarrega();
            dc_.MoveTo({x_, dc_.CurrentPosition().y});
            break;
        case kAvanco: {
            Descarrega();
            const int passo = alturaTexto_ + espacoExtra_;
            const platform::ui::Point agora = dc_.CurrentPosition();
            dc_.MoveTo({agora.x, agora.y + passo});
            altura_ += passo;
            break;
        }
        case kAbreLiteral:
        case kFechaLiteral:
            pendente_ += c;
            estado_ = kTexto;
            break;
        case kEmpilhaEstilo:
            Descarrega();
            fontes_.Empilha(estilo_);
            break;
        case kDesempilhaEstilo:
            Descarrega();
            fontes_.Desempilha();
            break;
        case kDesempilhaCor:
            Descarrega();
            cores_.Desempilha();
            break;
        default:
            break;
    }
    return 0;
}

bool DesenhoMarcado::EmpilhaCorSeCompleta(std::string_view resto) {
    const auto cor = LeCor(resto);
    if (!cor) return false;
    Descarrega();
    cores_.Empilha(*cor);
    return true;
}

void DesenhoMarcado::Descarrega() {
    if (!pendente_.empty()) dc_.TextOutAtCurrentPosition(platform::String(pendente_));
    pendente_.clear();
    estado_ = kTexto;
}

}  // namespace markup
