// How CZTGrid's table paints a cell (internal): a cell whose style names a registered cell
// control is drawn by that control over the cell's background; every other cell as its text.
#pragma once

#include "outside/editra/zt_controle_celula.h"
#include "platform/win_types.h"

#include <QStyledItemDelegate>

#include <map>
#include <memory>

// The cell controls of one grid by id; shared by the grid and its delegate, which the table may
// keep a little longer than the grid.
using CZTControlesCelula = std::map<platform::UINT, CZTControleCelula*>;

class CZTGridDelegado final : public QStyledItemDelegate {
public:
    CZTGridDelegado(std::shared_ptr<const CZTControlesCelula> controles, QObject* pai)
        : QStyledItemDelegate(pai), controles_(std::move(controles)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& opcao, const QModelIndex& index) const override;

private:
    [[nodiscard]] CZTControleCelula* ControleDe(const QModelIndex& index) const;

    std::shared_ptr<const CZTControlesCelula> controles_;
};
