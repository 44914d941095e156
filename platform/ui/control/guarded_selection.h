// The selection of a single-selection item view that the owner may keep from moving (internal).
//
// The selected item is always the current one. Before the current index changes, by the user or
// by a call, `allows`(from, to) decides; a refused change leaves current and selection as they
// were. Selection requests that do not come with a change of the current index are ignored, so
// a mouse press whose move was refused selects nothing either.
#pragma once

#include <QItemSelectionModel>

#include <functional>

namespace platform::ui {

class GuardedSelection final : public QItemSelectionModel {
public:
    using Allows = std::function<bool(const QModelIndex& from, const QModelIndex& to)>;

    GuardedSelection(QAbstractItemModel* model, Allows allows);

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

private:
    // Keeps the selection on the current index (after a deletion moved it).
    void FollowCurrent(const QModelIndex& current);

    Allows allows_;
    bool moving_ = false;
};

}  // namespace platform::ui
