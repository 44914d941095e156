#include "outside/editra/zt_lista_pdf.h"

#include "platform/ui/window/qt_text.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

using platform::ui::QtTextOf;

namespace {

// The page is laid out in the screen's pixels, so that the grid's widths carry over as they are.
constexpr int kResolucao = 96;
constexpr qreal kMargemMm = 12;
constexpr int kEspacoCelula = 4;

Qt::Alignment AlinhamentoDe(int nAlinhamento) {
    const Qt::Alignment horizontal = nAlinhamento == 1 ? Qt::AlignHCenter : nAlinhamento == 2 ? Qt::AlignRight : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

// Where each column lies across the page: the grid's widths, scaled down together to fit.
std::vector<QRect> Faixas(const std::vector<CZTColunaMostrada>& colunas, const QRect& area) {
    int total = 0;
    for (const CZTColunaMostrada& coluna : colunas) total += std::max(coluna.nLargura, 0);
    const qreal escala = total > area.width() ? static_cast<qreal>(area.width()) / total : 1.0;
    std::vector<QRect> faixas;
    qreal x = area.left();
    for (const CZTColunaMostrada& coluna : colunas) {
        const qreal largura = std::max(coluna.nLargura, 0) * escala;
        faixas.emplace_back(qRound(x), 0, qRound(largura), 0);
        x += largura;
    }
    return faixas;
}

class DesenhoLista {
public:
    DesenhoLista(const CZTListaImpressa& lista, QPdfWriter& escritor)
        : lista_(lista), escritor_(escritor), pintor_(&escritor), area_(escritor.pageLayout().paintRectPixels(kResolucao)) {
        area_.moveTo(0, 0);
        fonteNegrito_ = pintor_.font();
        fonteNegrito_.setBold(true);
        altura_ = QFontMetrics(pintor_.font(), &escritor).height() + kEspacoCelula;
        faixas_ = Faixas(lista.colunas, area_);
        // The heading, the column titles and the foot take five lines of the page.
        const int corpo = area_.height() - 5 * altura_;
        linhasPorPagina_ = static_cast<ROWCOL>(std::max(corpo / altura_, 1));
        paginas_ = std::max<ROWCOL>((lista.nLinhas + linhasPorPagina_ - 1) / linhasPorPagina_, 1);
    }

    [[nodiscard]] bool Desenha() {
        if (!pintor_.isActive()) return false;
        for (ROWCOL pagina = 1; pagina <= paginas_; ++pagina) {
            if (pagina > 1 && !escritor_.newPage()) return false;
            DesenhaPagina(pagina);
        }
        return pintor_.end();
    }

private:
    void DesenhaPagina(ROWCOL pagina) {
        int y = area_.top();
        pintor_.setFont(fonteNegrito_);
        const QRect cabecalho(area_.left(), y, area_.width(), altura_);
        pintor_.drawText(cabecalho, Qt::AlignLeft | Qt::AlignVCenter, QtTextOf(lista_.strEmpresa));
        pintor_.drawText(cabecalho, Qt::AlignRight | Qt::AlignVCenter, QtTextOf(lista_.strData));
        y += altura_ + altura_ / 2;
        DesenhaLinha(y, [](const CZTColunaMostrada& coluna) { return coluna.szTitulo; });
        y += altura_;
        pintor_.drawLine(area_.left(), y, area_.right(), y);
        pintor_.setFont(fonteNormal_);
        const ROWCOL primeira = (pagina - 1) * linhasPorPagina_ + 1;
        const ROWCOL ultima = std::min(primeira + linhasPorPagina_ - 1, lista_.nLinhas);
        for (ROWCOL linha = primeira; linha <= ultima; ++linha, y += altura_) {
            DesenhaLinha(y, [&](const CZTColunaMostrada& coluna) { return lista_.celula(linha, coluna); });
        }
        const QString rodape = QString::fromUtf8("P\u00e1gina %1 de %2").arg(pagina).arg(paginas_);
        pintor_.drawText(QRect(area_.left(), area_.bottom() - altura_, area_.width(), altura_), Qt::AlignHCenter | Qt::AlignVCenter, rodape);
    }

    template <class Texto>
    void DesenhaLinha(int y, Texto texto) {
        const QFontMetrics medidas(pintor_.font(), &escritor_);
        for (std::size_t c = 0; c < faixas_.size(); ++c) {
            const CZTColunaMostrada& coluna = lista_.colunas[c];
            const QRect celula(faixas_[c].left() + kEspacoCelula / 2, y, std::max(faixas_[c].width() - kEspacoCelula, 0), altura_);
            const QString cortado = medidas.elidedText(QtTextOf(texto(coluna)), Qt::ElideRight, celula.width());
            pintor_.drawText(celula, AlinhamentoDe(coluna.nAlinhamento), cortado);
        }
    }

    const CZTListaImpressa& lista_;
    QPdfWriter& escritor_;
    QPainter pintor_;
    QRect area_;
    QFont fonteNormal_ = pintor_.font();
    QFont fonteNegrito_;
    int altura_ = 0;
    std::vector<QRect> faixas_;
    ROWCOL linhasPorPagina_ = 1;
    ROWCOL paginas_ = 1;
};

}  // namespace

std::string ZTDesenhaListaPdf(const CZTListaImpressa& lista) {
    QByteArray bytes;
    QBuffer saida(&bytes);
    if (!saida.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter escritor(&saida);
        escritor.setResolution(kResolucao);
        escritor.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(kMargemMm, kMargemMm, kMargemMm, kMargemMm), QPageLayout::Millimeter));
        escritor.setTitle(QtTextOf(lista.strEmpresa));
        escritor.setCreator(QStringLiteral("Kelvo"));
        DesenhoLista desenho(lista, escritor);
        if (!desenho.Desenha()) return {};
    }
    return bytes.toStdString();
}
