#include "platform/ui/document/splitter_wnd.h"

#include "platform/ui/document/create_context.h"
#include "platform/ui/document/view.h"

#include <QSplitter>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace platform::ui {

namespace {

constexpr UINT kFirstPaneId = 0xE900;
constexpr int kMaxPanes = 16;

}  // namespace

// The window's widget holds the Qt splitter and, hidden beside it, the parking place where a
// child's widget waits until it takes its pane (a child of the splitter's own would be appended to
// it as a pane at once).
struct SplitterWnd::Widgets {
    QWidget* container = nullptr;
    QSplitter* splitter = nullptr;
    QWidget* parking = nullptr;
    // The empty panes' widgets, until a window takes their place.
    std::vector<QWidget*> placeholders;
};

SplitterWnd::SplitterWnd() : widgets_(std::make_unique<Widgets>()) {}

SplitterWnd::~SplitterWnd() = default;

BOOL SplitterWnd::CreateStatic(Wnd* parent, int rows, int columns, DWORD style, UINT id) {
    if (GetWidget() || rows < 1 || columns < 1 || (rows > 1 && columns > 1) || rows * columns > kMaxPanes) return FALSE;
    auto* container = new QWidget;
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(columns > 1 ? Qt::Horizontal : Qt::Vertical, container);
    layout->addWidget(splitter);
    auto* parking = new QWidget(container);
    parking->hide();
    std::vector<QWidget*> placeholders;
    for (int i = 0; i < rows * columns; ++i) {
        placeholders.push_back(new QWidget);
        splitter->addWidget(placeholders.back());
    }
    if (!CreateOver(container, parent, id, (style & WS_VISIBLE) != 0)) return FALSE;
    *widgets_ = {container, splitter, parking, std::move(placeholders)};
    SetChildArea(parking);
    rows_.assign(rows, {});
    columns_.assign(columns, {});
    QObject::connect(splitter, &QSplitter::splitterMoved, [this] { KeepDraggedSizes(); });
    if (auto* outer = dynamic_cast<SplitterWnd*>(parent)) {
        for (int i = 0; i < outer->GetRowCount() * outer->GetColumnCount(); ++i) {
            if (outer->IdFromRowCol(i / outer->GetColumnCount(), i % outer->GetColumnCount()) == id) outer->PlaceInPane(i, *this);
        }
    }
    LetLastPaneStretch();
    ApplyIdealSizes();
    return TRUE;
}

BOOL SplitterWnd::CreateView(int row, int column, const std::function<View*()>& viewClass, Size size,
                             CreateContext* context) {
    const int index = PaneIndex(row, column);
    if (index < 0 || !viewClass) return FALSE;
    CreateContext made = context ? *context : CreateContext{};
    made.m_pNewViewClass = viewClass;
    View* view = CreateViewFromContext(made, *this, IdFromRowCol(row, column));
    if (!view) return FALSE;
    PlaceInPane(index, *view);
    rows_[row].ideal = size.cy;
    columns_[column].ideal = size.cx;
    ApplyIdealSizes();
    return TRUE;
}

UINT SplitterWnd::IdFromRowCol(int row, int column) const {
    return kFirstPaneId + static_cast<UINT>(row) * 16 + static_cast<UINT>(column);
}

Wnd* SplitterWnd::GetPane(int row, int column) const {
    return PaneIndex(row, column) < 0 ? nullptr : GetDlgItem(IdFromRowCol(row, column));
}

void SplitterWnd::GetRowInfo(int row, int& current, int& minimum) const {
    const bool inside = row >= 0 && row < GetRowCount();
    current = inside ? CurrentSize(row, !SideBySide()) : 0;
    minimum = inside ? rows_[row].minimum : 0;
}

void SplitterWnd::GetColumnInfo(int column, int& current, int& minimum) const {
    const bool inside = column >= 0 && column < GetColumnCount();
    current = inside ? CurrentSize(column, SideBySide()) : 0;
    minimum = inside ? columns_[column].minimum : 0;
}

void SplitterWnd::SetRowInfo(int row, int ideal, int minimum) {
    if (row >= 0 && row < GetRowCount()) rows_[row] = {ideal, minimum};
}

void SplitterWnd::SetColumnInfo(int column, int ideal, int minimum) {
    if (column >= 0 && column < GetColumnCount()) columns_[column] = {ideal, minimum};
}

void SplitterWnd::RecalcLayout() {
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int column = 0; column < GetColumnCount(); ++column) {
            if (Wnd* child = GetDlgItem(IdFromRowCol(row, column))) PlaceInPane(PaneIndex(row, column), *child);
        }
    }
    ApplyIdealSizes();
}

void SplitterWnd::OnSize(UINT, int, int) { RecalcLayout(); }

int SplitterWnd::PaneIndex(int row, int column) const {
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= GetColumnCount()) return -1;
    return row * GetColumnCount() + column;
}

int SplitterWnd::CurrentSize(int index, bool along) const {
    const QSplitter* splitter = widgets_->splitter;
    if (!splitter) return 0;
    if (!along) return SideBySide() ? splitter->height() : splitter->width();
    const QList<int> sizes = splitter->sizes();
    return index < sizes.size() ? sizes[index] : 0;
}

void SplitterWnd::PlaceInPane(int index, Wnd& child) {
    QSplitter* splitter = widgets_->splitter;
    QWidget* widget = child.GetWidget();
    if (!splitter || !widget || splitter->widget(index) == widget) return;
    const bool hidden = widget->isHidden();
    QWidget* previous = splitter->replaceWidget(index, widget);
    widget->setVisible(!hidden);
    auto& placeholders = widgets_->placeholders;
    if (std::erase(placeholders, previous) != 0) {
        delete previous;
    } else if (previous) {
        previous->setParent(widgets_->parking);
    }
    LetLastPaneStretch();
}

void SplitterWnd::LetLastPaneStretch() {
    QSplitter* splitter = widgets_->splitter;
    // Stretch factors live on the pane widgets, so a new pane widget needs them again.
    for (int i = 0; i < splitter->count(); ++i) splitter->setStretchFactor(i, i + 1 == splitter->count() ? 1 : 0);
}

void SplitterWnd::ApplyIdealSizes() {
    QSplitter* splitter = widgets_->splitter;
    if (!splitter) return;
    QList<int> sizes;
    for (const Track& track : Tracks()) sizes.append(track.ideal < track.minimum ? 0 : std::max(track.ideal, 0));
    // The last pane stretches to whatever the others leave; any size above 0 keeps it open.
    sizes.back() = 1;
    splitter->setSizes(sizes);
}

void SplitterWnd::KeepDraggedSizes() {
    const QList<int> sizes = widgets_->splitter->sizes();
    std::vector<Track>& tracks = Tracks();
    for (int i = 0; i < std::min<int>(sizes.size(), static_cast<int>(tracks.size())); ++i) tracks[i].ideal = sizes[i];
}

}  // namespace platform::ui
