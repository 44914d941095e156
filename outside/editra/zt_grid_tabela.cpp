#include "outside/editra/zt_grid_tabela.h"

#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/virtual_keys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

ROWCOL LinhaDe(const QModelIndex& index) { return index.isValid() ? static_cast<ROWCOL>(index.row()) + 1 : 0; }

}  // namespace

CZTGridTabela::CZTGridTabela(CZTGridCallbacks& callbacks, QWidget* pai) : QTableView(pai), callbacks_(callbacks) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
}

bool CZTGridTabela::PodeIrPara(const QModelIndex& destino) {
    const QModelIndex atual = currentIndex();
    if (!destino.isValid() || (atual.isValid() && atual.row() == destino.row())) return true;
    return platform::ui::CallGuarded(platform::FALSE, [&] { return callbacks_.OnAntesMudarLinha(LinhaDe(atual), LinhaDe(destino)); }) != platform::FALSE;
}

QModelIndex CZTGridTabela::moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores) {
    const QModelIndex destino = QTableView::moveCursor(acao, modificadores);
    return PodeIrPara(destino) ? destino : currentIndex();
}

void CZTGridTabela::mousePressEvent(QMouseEvent* evento) {
    if (!PodeIrPara(indexAt(evento->position().toPoint()))) {
        evento->accept();
        return;
    }
    QTableView::mousePressEvent(evento);
}

void CZTGridTabela::mouseDoubleClickEvent(QMouseEvent* evento) {
    QTableView::mouseDoubleClickEvent(evento);
    const QModelIndex celula = indexAt(evento->position().toPoint());
    if (!celula.isValid()) return;
    const auto coluna = static_cast<ROWCOL>(horizontalHeader()->visualIndex(celula.column()));
    platform::ui::RunGuarded([&] { callbacks_.OnDuploClique(LinhaDe(celula), coluna); });
}

void CZTGridTabela::keyPressEvent(QKeyEvent* evento) {
    const platform::UINT tecla = platform::ui::VirtualKeyOf(evento->key());
    if (!platform::ui::CallGuarded(platform::FALSE, [&] { return callbacks_.OnFiltraTecla(tecla); })) {
        evento->ignore();
        return;
    }
    QTableView::keyPressEvent(evento);
}
