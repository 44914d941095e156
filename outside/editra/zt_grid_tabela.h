// The Qt table of CZTGrid (internal): asks the owner before the user moves the current cell to
// another row, passes each key through the owner's filter, reports double clicks on data cells,
// and never searches the rows for typed text (that would read every row).
#pragma once

#include "outside/editra/zt_grid_callbacks.h"

#include <QTableView>

class CZTGridTabela final : public QTableView {
public:
    CZTGridTabela(CZTGridCallbacks& callbacks, QWidget* pai);

    void keyboardSearch(const QString&) override {}
    // Whether the current cell may go to `destino` (always, within the current row).
    bool PodeIrPara(const QModelIndex& destino);

protected:
    QModelIndex moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    CZTGridCallbacks& callbacks_;
};
