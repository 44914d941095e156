#include "platform/ui/control/guarded_selection.h"

namespace platform::ui {

GuardedSelection::GuardedSelection(QAbstractItemModel* model, Allows allows)
    : QItemSelectionModel(model), allows_(std::move(allows)) {
    connect(this, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) { FollowCurrent(current); });
}

void GuardedSelection::setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags) {
    if (index == currentIndex() || !allows_(currentIndex(), index)) return;
    moving_ = true;
    QItemSelectionModel::setCurrentIndex(index, index.isValid() ? ClearAndSelect | Rows : Clear);
    moving_ = false;
}

void GuardedSelection::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) {
    if (moving_) QItemSelectionModel::select(selection, command);
}

void GuardedSelection::FollowCurrent(const QModelIndex& current) {
    if (moving_ || !current.isValid() || isSelected(current)) return;
    moving_ = true;
    QItemSelectionModel::select(current, ClearAndSelect | Rows);
    moving_ = false;
}

}  // namespace platform::ui
