#include "outside/editra/zt_grid_modelo.h"

#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>

namespace {

Qt::Alignment AlinhamentoDe(int codigo) {
    switch (codigo) {
        case 1: return Qt::AlignHCenter | Qt::AlignVCenter;
        case 2: return Qt::AlignRight | Qt::AlignVCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

void CZTGridModelo::SetColunas(std::vector<CZTInfoColuna> colunas) {
    beginResetModel();
    colunas_ = std::move(colunas);
    Esquece();
    endResetModel();
}

void CZTGridModelo::SetItens(ROWCOL itens) {
    Esquece();
    if (itens > itens_) {
        beginInsertRows({}, static_cast<int>(itens_), static_cast<int>(itens) - 1);
        itens_ = itens;
        endInsertRows();
    } else if (itens < itens_) {
        beginRemoveRows({}, static_cast<int>(itens), static_cast<int>(itens_) - 1);
        itens_ = itens;
        endRemoveRows();
    }
}

void CZTGridModelo::SetTotalizacao(bool ligada) {
    if (ligada == totalizacao_) return;
    const int linha = static_cast<int>(itens_);
    if (ligada) {
        beginInsertRows({}, linha, linha);
        totalizacao_ = true;
        endInsertRows();
    } else {
        beginRemoveRows({}, linha, linha);
        totalizacao_ = false;
        endRemoveRows();
    }
}

void CZTGridModelo::Atualiza(int primeiraLinha, int ultimaLinha, int primeiraColuna, int ultimaColuna) {
    Esquece();
    if (primeiraLinha > ultimaLinha || primeiraColuna > ultimaColuna) return;
    emit dataChanged(index(primeiraLinha, primeiraColuna), index(ultimaLinha, ultimaColuna));
}

int CZTGridModelo::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : static_cast<int>(itens_) + (totalizacao_ ? 1 : 0); }

int CZTGridModelo::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : static_cast<int>(colunas_.size()); }

const CZTEstiloCelula& CZTGridModelo::Estilo(const QModelIndex& index) const {
    if (celula_ == std::pair{index.row(), index.column()}) return estilo_;
    celula_ = {index.row(), index.column()};
    estilo_ = {};
    const ROWCOL coluna = static_cast<ROWCOL>(cabecalho_ ? cabecalho_->visualIndex(index.column()) : index.column());
    platform::ui::RunGuarded([&] {
        if (!callbacks_.OnLoadCellStyle(static_cast<ROWCOL>(index.row()) + 1, coluna, estilo_)) estilo_ = {};
    });
    return estilo_;
}

QString CZTGridModelo::TextoTotal(int coluna) const {
    // The first column the user sees carries the count.
    for (int visual = 0; cabecalho_ && visual < cabecalho_->count(); ++visual) {
        const int logica = cabecalho_->logicalIndex(visual);
        if (cabecalho_->isSectionHidden(logica)) continue;
        return logica == coluna ? QStringLiteral("Total: %1").arg(itens_) : QString();
    }
    return {};
}

QVariant CZTGridModelo::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (IsLinhaTotal(index.row())) {
        if (role == Qt::DisplayRole) return TextoTotal(index.column());
        if (role == Qt::FontRole) {
            QFont negrito;
            negrito.setBold(true);
            return negrito;
        }
        return {};
    }
    switch (role) {
        case Qt::DisplayRole: return platform::ui::QtTextOf(Estilo(index).GetValue());
        case Qt::ForegroundRole: {
            const CZTEstiloCelula& estilo = Estilo(index);
            if (!estilo.HasTextColor()) return {};
            const platform::ui::Colour cor = estilo.GetTextColor();
            return QColor(static_cast<int>(platform::ui::RedOf(cor)), static_cast<int>(platform::ui::GreenOf(cor)),
                          static_cast<int>(platform::ui::BlueOf(cor)));
        }
        case Qt::TextAlignmentRole: return QVariant::fromValue(AlinhamentoDe(colunas_[static_cast<std::size_t>(index.column())].nAlinhamento));
        case kPapelControle: return Estilo(index).GetControl();
        default: return {};
    }
}

QVariant CZTGridModelo::headerData(int secao, Qt::Orientation orientacao, int role) const {
    if (orientacao != Qt::Horizontal || secao < 0 || secao >= static_cast<int>(colunas_.size())) return {};
    const CZTInfoColuna& coluna = colunas_[static_cast<std::size_t>(secao)];
    if (role == Qt::DisplayRole) return platform::ui::QtTextOf(coluna.szTitulo);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlinhamentoDe(coluna.nAlinhamento));
    return {};
}

Qt::ItemFlags CZTGridModelo::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
