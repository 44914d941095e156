#include "platform/ui/control/tree_ctrl.h"

#include "platform/ui/control/guarded_selection.h"
#include "platform/ui/draw/image_list.h"
#include "platform/ui/draw/qt_canvas.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <unordered_map>

namespace platform::ui {

namespace {

constexpr int kHandleRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;
constexpr int kSelectedImageRole = Qt::UserRole + 3;

// Handles are counted for the whole process, so a handle of a deleted item never comes back.
HTREEITEM NewItemHandle() {
    static std::uintptr_t next = 0;
    return reinterpret_cast<HTREEITEM>(++next);
}

HTREEITEM HandleOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<HTREEITEM>(item->data(0, kHandleRole).value<quintptr>()) : nullptr;
}

HTREEITEM HandleOf(const QModelIndex& index) {
    return index.isValid() ? reinterpret_cast<HTREEITEM>(index.data(kHandleRole).value<quintptr>()) : nullptr;
}

QPixmap PictureOf(const ImageList& images, int index) {
    const Size size = images.GetImageSize();
    QImage picture(size.cx, size.cy, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QtCanvas canvas(painter);
    images.Draw(canvas, index, {0, 0});
    painter.end();
    return QPixmap::fromImage(picture);
}

// The item's picture, and its selected picture when it differs; none without a list or for an
// index outside it.
QIcon IconOf(const ImageList* images, int image, int selectedImage) {
    if (!images || image < 0 || image >= images->GetImageCount()) return {};
    QIcon icon(PictureOf(*images, image));
    if (selectedImage != image && selectedImage >= 0 && selectedImage < images->GetImageCount()) {
        icon.addPixmap(PictureOf(*images, selectedImage), QIcon::Selected);
    }
    return icon;
}

}  // namespace

struct TreeCtrl::State {
    QPointer<QTreeWidget> widget;
    std::unordered_map<HTREEITEM, QTreeWidgetItem*> items;
    ImageList* images = nullptr;
    DWORD style = 0;
    SelectionChanging changing;
    SelectionChanged changed;

    [[nodiscard]] QTreeWidgetItem* Item(HTREEITEM handle) const {
        const auto found = items.find(handle);
        return found == items.end() ? nullptr : found->second;
    }
    // The parent of an insertion: TVI_ROOT (or null) is the invisible top.
    [[nodiscard]] QTreeWidgetItem* Parent(HTREEITEM handle) const {
        if (!widget) return nullptr;
        return handle == TVI_ROOT || !handle ? widget->invisibleRootItem() : Item(handle);
    }
    void Forget(QTreeWidgetItem* item) {
        items.erase(HandleOf(item));
        for (int child = 0; child < item->childCount(); ++child) Forget(item->child(child));
    }
    void ShowPictures(QTreeWidgetItem* item) const {
        item->setIcon(0, IconOf(images, item->data(0, kImageRole).toInt(), item->data(0, kSelectedImageRole).toInt()));
    }
    void ApplyStyle() const {
        if (widget) widget->setRootIsDecorated((style & TVS_LINESATROOT) != 0);
    }
};

TreeCtrl::TreeCtrl() : state_(std::make_unique<State>()) {}

TreeCtrl::~TreeCtrl() = default;

BOOL TreeCtrl::Create(DWORD style, const Rect& rect, Wnd* parent, UINT id) {
    if (m_hWnd || !parent || !parent->GetWidget()) return FALSE;
    auto* widget = new QTreeWidget(parent->GetWidget());
    widget->setColumnCount(1);
    widget->header()->hide();
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* selection = new GuardedSelection(widget->model(), [this](const QModelIndex& from, const QModelIndex& to) {
        const SelectionChanging& changing = state_->changing;
        return !changing || !CallGuarded(FALSE, [&] { return changing(HandleOf(from), HandleOf(to)); });
    });
    selection->setParent(widget);
    widget->setSelectionModel(selection);
    QObject::connect(selection, &QItemSelectionModel::currentChanged, widget,
                     [this](const QModelIndex& current, const QModelIndex& previous) {
                         if (state_->changed) RunGuarded([&] { state_->changed(HandleOf(previous), HandleOf(current)); });
                     });
    if (!CreateOver(widget, parent, id)) return FALSE;
    state_->widget = widget;
    state_->style = style;
    state_->ApplyStyle();
    if (!rect.IsEmpty()) MoveWindow(rect, FALSE);
    return TRUE;
}

void TreeCtrl::ModifyStyle(DWORD remove, DWORD add) {
    state_->style = (state_->style & ~remove) | add;
    state_->ApplyStyle();
}

DWORD TreeCtrl::GetStyle() const { return state_->style; }

void TreeCtrl::SetSelectionHandlers(SelectionChanging changing, SelectionChanged changed) {
    state_->changing = std::move(changing);
    state_->changed = std::move(changed);
}

HTREEITEM TreeCtrl::InsertItem(const char* text, HTREEITEM parent, HTREEITEM after) {
    return InsertItem(text, 0, 0, parent, after);
}

HTREEITEM TreeCtrl::InsertItem(const char* text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
    QTreeWidgetItem* parentItem = state_->Parent(parent);
    if (!parentItem) return nullptr;
    int position = parentItem->childCount();
    if (after == TVI_FIRST) {
        position = 0;
    } else if (after != TVI_LAST) {
        QTreeWidgetItem* sibling = state_->Item(after);
        if (!sibling || sibling->parent() != (parentItem == state_->widget->invisibleRootItem() ? nullptr : parentItem)) {
            return nullptr;
        }
        position = parentItem->indexOfChild(sibling) + 1;
    }
    const HTREEITEM handle = NewItemHandle();
    auto* item = new QTreeWidgetItem(QStringList{QtTextOf(text)});
    item->setData(0, kHandleRole, QVariant::fromValue(reinterpret_cast<quintptr>(handle)));
    item->setData(0, kDataRole, QVariant::fromValue(DWORD{0}));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    state_->ShowPictures(item);
    parentItem->insertChild(position, item);
    state_->items.emplace(handle, item);
    return handle;
}

BOOL TreeCtrl::DeleteItem(HTREEITEM item) {
    if (item == TVI_ROOT) return DeleteAllItems();
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    state_->Forget(found);
    delete found;
    return TRUE;
}

BOOL TreeCtrl::DeleteAllItems() {
    if (!state_->widget) return FALSE;
    state_->items.clear();
    state_->widget->clear();
    return TRUE;
}

UINT TreeCtrl::GetCount() const { return static_cast<UINT>(state_->items.size()); }

String TreeCtrl::GetItemText(HTREEITEM item) const {
    const QTreeWidgetItem* found = state_->Item(item);
    return found ? AnsiTextOf(found->text(0)) : String();
}

BOOL TreeCtrl::SetItemText(HTREEITEM item, const char* text) {
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    found->setText(0, QtTextOf(text));
    return TRUE;
}

DWORD TreeCtrl::GetItemData(HTREEITEM item) const {
    const QTreeWidgetItem* found = state_->Item(item);
    return found ? found->data(0, kDataRole).value<DWORD>() : 0;
}

BOOL TreeCtrl::SetItemData(HTREEITEM item, DWORD data) {
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    found->setData(0, kDataRole, QVariant::fromValue(data));
    return TRUE;
}

BOOL TreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
    const QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    image = found->data(0, kImageRole).toInt();
    selectedImage = found->data(0, kSelectedImageRole).toInt();
    return TRUE;
}

BOOL TreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    found->setData(0, kImageRole, image);
    found->setData(0, kSelectedImageRole, selectedImage);
    state_->ShowPictures(found);
    return TRUE;
}

ImageList* TreeCtrl::SetImageList(ImageList* images, int) {
    ImageList* previous = std::exchange(state_->images, images);
    for (const auto& [handle, item] : state_->items) state_->ShowPictures(item);
    if (state_->widget && images) state_->widget->setIconSize(QSize(images->GetImageSize().cx, images->GetImageSize().cy));
    return previous;
}

HTREEITEM TreeCtrl::GetRootItem() const {
    return state_->widget ? HandleOf(state_->widget->topLevelItem(0)) : nullptr;
}

HTREEITEM TreeCtrl::GetParentItem(HTREEITEM item) const {
    const QTreeWidgetItem* found = state_->Item(item);
    return found ? HandleOf(found->parent()) : nullptr;
}

HTREEITEM TreeCtrl::GetChildItem(HTREEITEM item) const {
    const QTreeWidgetItem* found = state_->Item(item);
    return found ? HandleOf(found->child(0)) : nullptr;
}

HTREEITEM TreeCtrl::GetNextSiblingItem(HTREEITEM item) const {
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return nullptr;
    QTreeWidgetItem* parent = found->parent() ? found->parent() : state_->widget->invisibleRootItem();
    return HandleOf(parent->child(parent->indexOfChild(found) + 1));
}

HTREEITEM TreeCtrl::FindItemDepthFirst(const std::function<bool(HTREEITEM)>& matches) const {
    if (!state_->widget) return nullptr;
    for (QTreeWidgetItemIterator it(state_->widget); *it; ++it) {
        if (matches(HandleOf(*it))) return HandleOf(*it);
    }
    return nullptr;
}

BOOL TreeCtrl::Expand(HTREEITEM item, UINT action) {
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    switch (action) {
        case TVE_EXPAND: found->setExpanded(true); return TRUE;
        case TVE_COLLAPSE: found->setExpanded(false); return TRUE;
        case TVE_TOGGLE: found->setExpanded(!found->isExpanded()); return TRUE;
        default: return FALSE;
    }
}

BOOL TreeCtrl::EnsureVisible(HTREEITEM item) {
    QTreeWidgetItem* found = state_->Item(item);
    if (!found) return FALSE;
    for (QTreeWidgetItem* parent = found->parent(); parent; parent = parent->parent()) parent->setExpanded(true);
    state_->widget->scrollToItem(found);
    return TRUE;
}

BOOL TreeCtrl::SelectItem(HTREEITEM item) {
    if (!state_->widget) return FALSE;
    QTreeWidgetItem* found = state_->Item(item);
    if (item && !found) return FALSE;
    state_->widget->setCurrentItem(found);
    return GetSelectedItem() == item ? TRUE : FALSE;
}

HTREEITEM TreeCtrl::GetSelectedItem() const {
    return state_->widget ? HandleOf(state_->widget->currentItem()) : nullptr;
}

}  // namespace platform::ui
