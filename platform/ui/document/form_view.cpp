#include "platform/ui/document/form_view.h"

#include "platform/ui/box/shown_window.h"
#include "platform/ui/dialog/dialog_controls.h"
#include "platform/ui/dialog/dialog_manager.h"
#include "platform/ui/dialog/dialog_units.h"
#include "platform/ui/dialog/dialog_widget.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/resource/resources.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace platform::ui {

namespace {

QScrollArea* ScrollerOf(const Wnd& view) { return qobject_cast<QScrollArea*>(view.GetWidget()); }

QScrollBar* BarOf(const Wnd& view, int bar) {
    QScrollArea* scroller = ScrollerOf(view);
    if (!scroller) return nullptr;
    return bar == SB_VERT ? scroller->verticalScrollBar() : scroller->horizontalScrollBar();
}

// Tells the shown-window watcher each time the form's view becomes visible.
class ShownReporter final : public QObject {
public:
    ShownReporter(UINT templateId, Wnd& view, QObject* parent) : QObject(parent), templateId_(templateId), view_(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) RunGuarded([&] { ReportWindowShown(templateId_, view_); });
        return QObject::eventFilter(watched, event);
    }

private:
    UINT templateId_;
    Wnd& view_;
};

}  // namespace

FormView::FormView(UINT templateId) : templateId_(templateId) {}

FormView::~FormView() = default;

BOOL FormView::CreateViewWindow(Wnd& parent, UINT id) {
    HMODULE module = nullptr;
    const std::optional<DialogTemplate> found = LoadDialogTemplate(templateId_, &module);
    if (!found) return FALSE;
    SetTemplateModule(module);
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    auto* surface = new QWidget;
    surface->setFont(detail::QtDialogFont(found->font));
    scroller->setWidget(surface);
    // Owned by the scroller, so that it goes with the view's widget.
    scroller->installEventFilter(new ShownReporter(templateId_, *this, scroller));
    if (!CreateOver(scroller, &parent, id)) return FALSE;
    SetChildArea(surface);
    const Size baseUnits = detail::DialogBaseUnits(surface->font());
    const Rect client = DialogUnitsToPixels({0, 0, found->size.cx, found->size.cy}, baseUnits);
    SetScrollSizes(MM_TEXT, {client.Width(), client.Height()});
    controls_ = detail::CreateDialogControls(*this, *found, baseUnits);
    return TRUE;
}

void FormView::OnInitialUpdate() {
    UpdateData(FALSE);
    View::OnInitialUpdate();
}

BOOL FormView::PreTranslateMessage(MSG* pMsg) {
    // The dialog manager would take the frame's accelerator keys: the frame goes first.
    FrameWnd* frame = GetParentFrame();
    if (frame && frame->TranslateFrameAccelerators(pMsg)) return TRUE;
    if (GetChildWindows().empty()) return FALSE;
    return IsDialogMessage(pMsg);
}

void FormView::SetScrollSizes(int, Size total) {
    total_ = total;
    if (QWidget* surface = GetChildArea(); surface && surface != GetWidget()) surface->resize(total.cx, total.cy);
}

Point FormView::GetScrollPosition() const { return {GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)}; }

void FormView::ScrollToPosition(Point position) {
    SetScrollPos(SB_HORZ, position.x);
    SetScrollPos(SB_VERT, position.y);
}

int FormView::GetScrollPos(int bar) const {
    const QScrollBar* scrollBar = BarOf(*this, bar);
    return scrollBar ? scrollBar->value() : 0;
}

int FormView::SetScrollPos(int bar, int position, BOOL) {
    QScrollBar* scrollBar = BarOf(*this, bar);
    if (!scrollBar) return 0;
    const int previous = scrollBar->value();
    scrollBar->setValue(position);
    return previous;
}

void FormView::ResizeParentToFit(BOOL shrinkOnly) {
    FrameWnd* frame = GetParentFrame();
    QScrollArea* scroller = ScrollerOf(*this);
    if (!frame || !scroller) return;
    const QSize client = scroller->maximumViewportSize();
    QSize wanted(total_.cx, total_.cy);
    if (shrinkOnly) wanted = wanted.boundedTo(client);
    QWidget* frameWidget = frame->GetWidget();
    frameWidget->resize(frameWidget->size() + (wanted - client));
    frame->RecalcLayout();
}

LRESULT FormView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NEXTDLGCTL) return detail::HandleNextDlgCtl(*this, wParam, lParam);
    return View::WindowProc(message, wParam, lParam);
}

}  // namespace platform::ui
