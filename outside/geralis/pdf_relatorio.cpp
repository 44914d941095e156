#include "outside/geralis/pdf_relatorio.h"

#include "outside/geralis/pdf_texto.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <numeric>

namespace {

using platform::HRESULT;

constexpr double kPontosPorMm = 72.0 / 25.4;
constexpr double kA4Menor = 210 * kPontosPorMm;
constexpr double kA4Maior = 297 * kPontosPorMm;
constexpr double kMargem = 12 * kPontosPorMm;
constexpr double kFolgaCelula = 0.8 * kPontosPorMm;  // inside each side of a column
constexpr double kFolgaLinha = 1.2;                   // above and below a line's values
constexpr double kAlturaSeparadora = 4.0;
constexpr double kAlturaLegendaMaxima = 28.0;         // about three lines of caption
constexpr double kCinzaSubordinada = 0.35;

// What the stream callback reports back: the first failure of the caller's writer.
struct Fluxo {
    const GeralisEscrita* escrita = nullptr;
    HRESULT hr = platform::S_OK;
};

// cairo's stream callback: no exception may cross cairo's C frames.
cairo_status_t Escreve(void* closure, const unsigned char* dados, unsigned int tamanho) {
    auto* fluxo = static_cast<Fluxo*>(closure);
    if (platform::FAILED(fluxo->hr)) return CAIRO_STATUS_WRITE_ERROR;
    try {
        fluxo->hr = (*fluxo->escrita)(dados, tamanho);
    } catch (const std::exception&) {
        fluxo->hr = platform::E_FAIL;
    }
    return platform::FAILED(fluxo->hr) ? CAIRO_STATUS_WRITE_ERROR : CAIRO_STATUS_SUCCESS;
}

HRESULT ErroCairo(cairo_status_t status) {
    if (status == CAIRO_STATUS_SUCCESS) return platform::S_OK;
    return status == CAIRO_STATUS_NO_MEMORY ? platform::E_OUTOFMEMORY : platform::E_FAIL;
}

struct Geometria {
    double largura = 0;
    double altura = 0;
    std::vector<double> x;         // left edge of each column
    std::vector<double> larguras;  // width of each column
    double yTitulo = 0;
    double yLegendas = 0;
    double alturaLegendas = 0;
    double yRegua = 0;
    double topoCorpo = 0;
    double baseCorpo = 0;

    [[nodiscard]] double Util() const { return largura - 2 * kMargem; }
    [[nodiscard]] double AlturaCorpo() const { return baseCorpo - topoCorpo; }
};

// Lays the content out on pages, then draws them.
class Paginador {
public:
    Paginador(const GeralisConteudo& conteudo, cairo_t* cr, double largura, double altura)
        : conteudo_(conteudo), cr_(cr), texto_(cr) {
        geometria_.largura = largura;
        geometria_.altura = altura;
        Colunas();
        Cabecalho();
        Pagina();
    }

    [[nodiscard]] int Paginas() const { return static_cast<int>(paginas_.size()); }

    void Desenha() {
        for (size_t n = 0; n < paginas_.size(); ++n) {
            DesenhaCabecalho(static_cast<int>(n) + 1);
            double y = geometria_.topoCorpo;
            for (const size_t linha : paginas_[n]) {
                DesenhaLinha(conteudo_.linhas[linha], y, alturas_[linha]);
                y += alturas_[linha];
            }
            cairo_show_page(cr_);
        }
    }

private:
    // The model's widths, scaled down together when the page cannot hold them.
    void Colunas() {
        double total = 0;
        for (const GeralisColuna& coluna : conteudo_.colunas) total += coluna.dLargura * kPontosPorMm;
        const double escala = total > geometria_.Util() ? geometria_.Util() / total : 1.0;
        double x = kMargem;
        for (const GeralisColuna& coluna : conteudo_.colunas) {
            const double largura = coluna.dLargura * kPontosPorMm * escala;
            geometria_.x.push_back(x);
            geometria_.larguras.push_back(largura);
            x += largura;
        }
    }

    void Cabecalho() {
        Geometria& g = geometria_;
        const double alturaEmpresa = texto_.Altura(conteudo_.strEmpresa, GeralisEstilo::Empresa, g.Util(), 0);
        g.yTitulo = kMargem + alturaEmpresa + 2;
        const double alturaTitulo = texto_.Altura(conteudo_.strTitulo, GeralisEstilo::Titulo, g.Util(), 0);
        g.yLegendas = g.yTitulo + alturaTitulo + 6;
        for (size_t i = 0; i < conteudo_.colunas.size(); ++i) {
            const double altura = texto_.Altura(conteudo_.colunas[i].strTitulo, GeralisEstilo::Legenda, LarguraTexto(i),
                                                kAlturaLegendaMaxima);
            g.alturaLegendas = std::max(g.alturaLegendas, altura);
        }
        g.yRegua = g.yLegendas + g.alturaLegendas + 2;
        g.topoCorpo = g.yRegua + 3;
        g.baseCorpo = g.altura - kMargem;
    }

    // Measures every line and fills the pages in order.
    void Pagina() {
        alturas_.reserve(conteudo_.linhas.size());
        for (const GeralisLinha& linha : conteudo_.linhas) alturas_.push_back(Altura(linha));
        paginas_.emplace_back();
        double y = 0;
        for (size_t i = 0; i < conteudo_.linhas.size(); ++i) {
            if (y + Bloco(i) > geometria_.AlturaCorpo() && !paginas_.back().empty()) {
                paginas_.emplace_back();
                y = 0;
            }
            if (conteudo_.linhas[i].eTipo == GeralisTipoLinha::Separadora && paginas_.back().empty()) continue;
            paginas_.back().push_back(i);
            y += alturas_[i];
        }
    }

    // The height line `i` needs where it starts: a line with the subordinate lines under it, when
    // one page can hold them all, so that they are not parted from it; else the line alone.
    [[nodiscard]] double Bloco(size_t i) const {
        if (conteudo_.linhas[i].eTipo != GeralisTipoLinha::Principal) return alturas_[i];
        double total = alturas_[i];
        for (size_t j = i + 1; j < conteudo_.linhas.size() && conteudo_.linhas[j].eTipo == GeralisTipoLinha::Subordinada; ++j) {
            total += alturas_[j];
        }
        return total <= geometria_.AlturaCorpo() ? total : alturas_[i];
    }

    [[nodiscard]] double LarguraTexto(size_t coluna) const {
        return std::max(geometria_.larguras[coluna] - 2 * kFolgaCelula, 1.0);
    }
    [[nodiscard]] double AlturaTextoMaxima() const { return geometria_.AlturaCorpo() - 2 * kFolgaLinha; }

    double Altura(const GeralisLinha& linha) {
        switch (linha.eTipo) {
        case GeralisTipoLinha::Separadora:
            return kAlturaSeparadora;
        case GeralisTipoLinha::Nota:
            return texto_.Altura(TextoNota(linha), GeralisEstilo::Nota, geometria_.Util(), AlturaTextoMaxima()) +
                   2 * kFolgaLinha;
        default:
            break;
        }
        double altura = 0;
        for (size_t i = 0; i < Celulas(linha); ++i) {
            altura = std::max(altura, texto_.Altura(linha.valores[i], GeralisEstilo::Corpo, LarguraTexto(i), AlturaTextoMaxima()));
        }
        return altura + 2 * kFolgaLinha;
    }

    void DesenhaCabecalho(int pagina) {
        const Geometria& g = geometria_;
        cairo_set_source_rgb(cr_, 0, 0, 0);
        CZTString numero;
        numero.Format("P\xE1gina %d de %d", pagina, Paginas());
        const double larguraNumero = g.Util() * 0.25;
        texto_.Desenha(conteudo_.strEmpresa, GeralisEstilo::Empresa, kMargem, kMargem, g.Util() - larguraNumero, 0,
                       GeralisAlinhamento::Esquerda);
        texto_.Desenha(numero, GeralisEstilo::Pagina, kMargem + g.Util() - larguraNumero, kMargem, larguraNumero, 0,
                       GeralisAlinhamento::Direita);
        texto_.Desenha(conteudo_.strTitulo, GeralisEstilo::Titulo, kMargem, g.yTitulo, g.Util(), 0, GeralisAlinhamento::Centro);
        for (size_t i = 0; i < conteudo_.colunas.size(); ++i) {
            texto_.Desenha(conteudo_.colunas[i].strTitulo, GeralisEstilo::Legenda, g.x[i] + kFolgaCelula, g.yLegendas,
                           LarguraTexto(i), kAlturaLegendaMaxima, Alinhamento(i));
        }
        Regua(g.yRegua, 0.8, 0);
    }

    void DesenhaLinha(const GeralisLinha& linha, double y, double altura) {
        switch (linha.eTipo) {
        case GeralisTipoLinha::Separadora:
            Regua(y + altura / 2, 0.4, 0.5);
            return;
        case GeralisTipoLinha::Nota:
            cairo_set_source_rgb(cr_, 0, 0, 0);
            texto_.Desenha(TextoNota(linha), GeralisEstilo::Nota, kMargem, y + kFolgaLinha, geometria_.Util(),
                           AlturaTextoMaxima(), GeralisAlinhamento::Esquerda);
            return;
        default:
            break;
        }
        const double cinza = linha.eTipo == GeralisTipoLinha::Subordinada ? kCinzaSubordinada : 0;
        for (size_t i = 0; i < Celulas(linha); ++i) {
            cairo_save(cr_);
            cairo_rectangle(cr_, geometria_.x[i], y, geometria_.larguras[i], altura);
            cairo_clip(cr_);
            cairo_set_source_rgb(cr_, cinza, cinza, cinza);
            texto_.Desenha(linha.valores[i], GeralisEstilo::Corpo, geometria_.x[i] + kFolgaCelula, y + kFolgaLinha,
                           LarguraTexto(i), AlturaTextoMaxima(), Alinhamento(i));
            cairo_restore(cr_);
        }
    }

    // A line holds no more cells than there are columns to put them in.
    [[nodiscard]] size_t Celulas(const GeralisLinha& linha) const {
        return std::min(linha.valores.size(), conteudo_.colunas.size());
    }
    [[nodiscard]] static CZTString TextoNota(const GeralisLinha& linha) {
        return linha.valores.empty() ? CZTString() : linha.valores.front();
    }

    [[nodiscard]] GeralisAlinhamento Alinhamento(size_t coluna) const {
        return conteudo_.colunas[coluna].iTipo == GERALIS_TIPO_INTEIRO ? GeralisAlinhamento::Direita
                                                                       : GeralisAlinhamento::Esquerda;
    }

    void Regua(double y, double espessura, double cinza) {
        cairo_set_source_rgb(cr_, cinza, cinza, cinza);
        cairo_set_line_width(cr_, espessura);
        cairo_move_to(cr_, kMargem, y);
        cairo_line_to(cr_, geometria_.largura - kMargem, y);
        cairo_stroke(cr_);
    }

    const GeralisConteudo& conteudo_;
    cairo_t* cr_;
    CGeralisTexto texto_;
    Geometria geometria_;
    std::vector<double> alturas_;               // per line of the content
    std::vector<std::vector<size_t>> paginas_;  // the lines each page shows
};

struct LiberaSuperficie {
    void operator()(cairo_surface_t* superficie) const { cairo_surface_destroy(superficie); }
};
struct LiberaContexto {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

}  // namespace

HRESULT GeralisEscrevePdf(const GeralisConteudo& conteudo, const GeralisEscrita& escrita, int& nPaginas) {
    Fluxo fluxo{&escrita};
    const double largura = conteudo.bPaisagem ? kA4Maior : kA4Menor;
    const double altura = conteudo.bPaisagem ? kA4Menor : kA4Maior;
    std::unique_ptr<cairo_surface_t, LiberaSuperficie> superficie(
        cairo_pdf_surface_create_for_stream(Escreve, &fluxo, largura, altura));
    if (const HRESULT hr = ErroCairo(cairo_surface_status(superficie.get())); platform::FAILED(hr)) return hr;
    int paginas = 0;
    {
        std::unique_ptr<cairo_t, LiberaContexto> cr(cairo_create(superficie.get()));
        Paginador paginador(conteudo, cr.get(), largura, altura);
        paginador.Desenha();
        paginas = paginador.Paginas();
        if (const HRESULT hr = ErroCairo(cairo_status(cr.get())); platform::FAILED(hr)) {
            return platform::FAILED(fluxo.hr) ? fluxo.hr : hr;
        }
    }
    cairo_surface_finish(superficie.get());
    if (platform::FAILED(fluxo.hr)) return fluxo.hr;
    if (const HRESULT hr = ErroCairo(cairo_surface_status(superficie.get())); platform::FAILED(hr)) return hr;
    nPaginas = paginas;
    return platform::S_OK;
}
