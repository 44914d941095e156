#include "outside/editra/zt_grid_delegado.h"

#include "outside/editra/zt_grid_modelo.h"
#include "platform/ui/draw/qt_canvas.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QApplication>
#include <QPainter>

void CZTGridDelegado::paint(QPainter* painter, const QStyleOptionViewItem& opcao, const QModelIndex& index) const {
    CZTControleCelula* controle = ControleDe(index);
    if (!controle) {
        QStyledItemDelegate::paint(painter, opcao, index);
        return;
    }
    QStyleOptionViewItem fundo = opcao;
    initStyleOption(&fundo, index);
    const platform::String valor = platform::ui::AnsiTextOf(fundo.text);
    fundo.text.clear();
    QStyle* estilo = fundo.widget ? fundo.widget->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &fundo, painter, fundo.widget);
    const QRect& r = opcao.rect;
    const platform::ui::Rect celula{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    painter->save();
    platform::ui::QtCanvas canvas(*painter);
    platform::ui::RunGuarded([&] { controle->Desenha(canvas, celula, valor); });
    painter->restore();
}

CZTControleCelula* CZTGridDelegado::ControleDe(const QModelIndex& index) const {
    const platform::UINT id = index.data(CZTGridModelo::kPapelControle).toUInt();
    if (id == 0) return nullptr;
    const auto registrado = controles_->find(id);
    return registrado == controles_->end() ? nullptr : registrado->second;
}
