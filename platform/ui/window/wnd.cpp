#include "platform/ui/window/wnd.h"

#include "platform/text/codepage.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"
#include "platform/ui/window/window_events.h"
#include "platform/ui/window/window_registry.h"
#include "platform/ui/window/wnd_widget.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <map>

namespace platform::ui {

namespace {

constexpr const char* kHandleProperty = "platform.ui.hwnd";

// A timer is stopped at once and deleted from the loop: it may be killed from its own timeout.
void DiscardTimer(QTimer* timer) {
    timer->stop();
    timer->deleteLater();
}

}  // namespace

struct Wnd::State {
    QPointer<QWidget> widget;
    // Where the children's widgets go; the widget itself when null.
    QPointer<QWidget> childArea;
    // Turns the widget's events into messages while the window lives.
    QPointer<QObject> events;
    QMetaObject::Connection widgetGone;
    std::vector<Wnd*> children;
    std::map<UINT_PTR, QTimer*> timers;
    // The kept style bits other than WS_VISIBLE.
    DWORD style = 0;
};

Wnd::Wnd() : state_(std::make_unique<State>()) {}

Wnd::~Wnd() { Destroy(false); }

BOOL Wnd::Create(Wnd* parent, UINT id, const Rect& rect, DWORD style) {
    if (m_hWnd || (parent && !parent->GetWidget())) return FALSE;
    auto* widget = new WndWidget(*this, parent ? parent->GetChildArea() : nullptr);
    const bool visible = (style & WS_VISIBLE) != 0;
    if (!CreateOver(widget, parent, id, visible)) return FALSE;
    // Hidden for good, not only until the parent shows.
    if (parent && !visible) widget->hide();
    state_->style = style & ~WS_VISIBLE;
    if (!rect.IsEmpty()) MoveWindow(rect, FALSE);
    return TRUE;
}

BOOL Wnd::CreateOver(QWidget* widget, Wnd* parent, UINT id, bool showChild) {
    if (m_hWnd || (parent && !parent->GetWidget())) {
        delete widget;
        return FALSE;
    }
    detail::StartWindowLayer();
    if (parent && widget->parentWidget() != parent->GetChildArea()) widget->setParent(parent->GetChildArea());
    state_->widget = widget;
    parent_ = parent;
    id_ = id;
    m_hWnd = detail::NewWindowHandle();
    detail::RegisterWindow(m_hWnd, this);
    if (parent) parent->state_->children.push_back(this);
    widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<quintptr>(m_hWnd)));
    WatchWidget();
    if (parent && showChild) widget->show();
    return TRUE;
}

void Wnd::WatchWidget() {
    QWidget* widget = state_->widget;
    delete state_->events;
    QObject::disconnect(state_->widgetGone);
    state_->events = new WindowEventFilter(*this, widget);
    widget->installEventFilter(state_->events);
    // Qt may delete the widget itself (with a parent widget that is not a window's).
    state_->widgetGone = QObject::connect(widget, &QObject::destroyed, [this] {
        state_->widget = nullptr;
        Destroy(false);
    });
    if (auto* plain = dynamic_cast<WndWidget*>(widget)) plain->SetWindow(*this);
}

BOOL Wnd::SubclassDlgItem(UINT id, Wnd* parent) {
    Wnd* previous = parent ? parent->GetDlgItem(id) : nullptr;
    if (m_hWnd || !previous || !previous->GetWidget()) return FALSE;
    std::swap(state_, previous->state_);
    m_hWnd = std::exchange(previous->m_hWnd, nullptr);
    parent_ = std::exchange(previous->parent_, nullptr);
    id_ = previous->id_;
    tabStop_ = previous->tabStop_;
    groupStart_ = previous->groupStart_;
    std::replace(parent_->state_->children.begin(), parent_->state_->children.end(), previous, this);
    for (Wnd* child : state_->children) child->parent_ = this;
    // Timers and the controls' own connections name the handle, which now finds this object.
    detail::RegisterWindow(m_hWnd, this);
    WatchWidget();
    OnTakeOver(*previous);
    return TRUE;
}

BOOL Wnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    Destroy(true);
    return TRUE;
}

void Wnd::Destroy(bool notify) {
    if (!m_hWnd) return;
    for (Wnd* child : std::vector<Wnd*>(state_->children)) child->Destroy(notify);
    if (notify) Deliver(WM_DESTROY, 0, 0, nullptr);
    for (const auto& [id, timer] : state_->timers) DiscardTimer(timer);
    state_->timers.clear();
    detail::UnregisterWindow(m_hWnd);
    m_hWnd = nullptr;
    payload_ = nullptr;
    if (parent_) std::erase(parent_->state_->children, this);
    parent_ = nullptr;
    QObject::disconnect(state_->widgetGone);
    // Hiding and deleting the widget move the focus: no event may reach this window any more.
    delete state_->events;
    if (QWidget* widget = state_->widget) {
        widget->hide();
        widget->deleteLater();
    }
    state_->widget = nullptr;
    if (WinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        QCoreApplication::quit();
    }
    if (notify) PostNcDestroy();
}

Wnd* Wnd::FromHandle(HWND window) { return detail::FindWindow(window); }

std::vector<Wnd*> Wnd::GetChildWindows() const { return state_->children; }

HMODULE Wnd::GetTemplateModule() const {
    for (const Wnd* window = this; window; window = window->parent_) {
        if (window->templateModule_) return window->templateModule_;
    }
    return GetModuleHandle(nullptr);
}

BOOL Wnd::IsChild(const Wnd* window) const {
    for (const Wnd* parent = window ? window->parent_ : nullptr; parent; parent = parent->parent_) {
        if (parent == this) return TRUE;
    }
    return FALSE;
}

Wnd* Wnd::GetDlgItem(UINT id) const {
    const auto found = std::find_if(state_->children.begin(), state_->children.end(),
                                    [id](const Wnd* child) { return child->id_ == id; });
    return found == state_->children.end() ? nullptr : *found;
}

void Wnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam) {
    for (Wnd* child : std::vector<Wnd*>(state_->children)) {
        const HWND handle = child->m_hWnd;
        child->SendMessage(message, wParam, lParam);
        if (detail::FindWindow(handle) == child) child->SendMessageToDescendants(message, wParam, lParam);
    }
}

void Wnd::SetWindowText(const char* text) {
    if (QWidget* widget = GetWidget()) widget->setWindowTitle(QtTextOf(text));
}

void Wnd::GetWindowText(String& text) const {
    const QWidget* widget = GetWidget();
    text = widget ? AnsiTextOf(widget->windowTitle()) : String();
}

BOOL Wnd::EnableWindow(BOOL enable) {
    QWidget* widget = GetWidget();
    if (!widget) return FALSE;
    const BOOL wasDisabled = widget->isEnabled() ? FALSE : TRUE;
    widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL Wnd::IsWindowEnabled() const { return GetWidget() && GetWidget()->isEnabled() ? TRUE : FALSE; }

BOOL Wnd::ShowWindow(int nCmdShow) {
    QWidget* widget = GetWidget();
    if (!widget) return FALSE;
    const BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
    const bool show = nCmdShow != SW_HIDE;
    if (show == widget->isHidden()) {
        const HWND self = m_hWnd;
        Deliver(WM_SHOWWINDOW, show ? TRUE : FALSE, 0, nullptr);
        // The handler may have destroyed the window.
        if (detail::FindWindow(self) != this || !(widget = GetWidget())) return wasVisible;
    }
    switch (nCmdShow) {
        case SW_HIDE: widget->hide(); break;
        case SW_SHOWMINIMIZED: widget->showMinimized(); break;
        case SW_SHOWMAXIMIZED: widget->showMaximized(); break;
        case SW_SHOWNORMAL: widget->isWindow() ? widget->showNormal() : widget->show(); break;
        default: widget->show(); break;
    }
    return wasVisible;
}

BOOL Wnd::IsWindowVisible() const { return GetWidget() && GetWidget()->isVisible() ? TRUE : FALSE; }

DWORD Wnd::GetStyle() const {
    const QWidget* widget = GetWidget();
    return state_->style | (widget && !widget->isHidden() ? WS_VISIBLE : 0);
}

BOOL Wnd::ModifyStyle(DWORD remove, DWORD add) {
    QWidget* widget = GetWidget();
    if (!widget) return FALSE;
    const DWORD style = (state_->style & ~remove) | (add & ~WS_VISIBLE);
    if (style == state_->style) return FALSE;
    state_->style = style;
    widget->update();
    return TRUE;
}

void Wnd::SetFocus() {
    if (QWidget* widget = GetWidget()) widget->setFocus(Qt::OtherFocusReason);
}

Wnd* Wnd::GetFocus() { return detail::NearestWindow(QApplication::focusWidget()); }

void Wnd::Invalidate(BOOL erase) { InvalidateRect(nullptr, erase); }

void Wnd::InvalidateRect(const Rect* rect, BOOL) {
    QWidget* widget = GetWidget();
    if (!widget) return;
    if (rect) {
        widget->update(rect->left, rect->top, rect->Width(), rect->Height());
    } else {
        widget->update();
    }
}

void Wnd::GetClientRect(Rect* rect) const {
    const QWidget* widget = GetWidget();
    *rect = widget ? Rect{0, 0, widget->width(), widget->height()} : Rect{};
}

void Wnd::GetWindowRect(Rect* rect) const {
    const QWidget* widget = GetWidget();
    if (!widget) {
        *rect = {};
        return;
    }
    const QRect frame = widget->isWindow() ? widget->frameGeometry() : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    *rect = {frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
}

void Wnd::ScreenToClient(Rect* rect) const {
    const QWidget* widget = GetWidget();
    if (!widget) return;
    const QPoint origin = widget->mapFromGlobal(QPoint(0, 0));
    *rect = {rect->left + origin.x(), rect->top + origin.y(), rect->right + origin.x(), rect->bottom + origin.y()};
}

void Wnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    QWidget* widget = GetWidget();
    if (!widget) return;
    widget->setGeometry(x, y, width, height);
    if (repaint) widget->update();
}

void Wnd::MoveWindow(const Rect& rect, BOOL repaint) { MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint); }

LRESULT Wnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::platform::ui::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL Wnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam, std::unique_ptr<MessagePayload> payload) {
    return ::platform::ui::PostMessage(m_hWnd, message, wParam, lParam, std::move(payload));
}

UINT_PTR Wnd::SetTimer(UINT_PTR id, UINT milliseconds) {
    const HWND self = m_hWnd;
    return SetTimer(id, milliseconds, [self](HWND, UINT_PTR timerId) {
        if (Wnd* window = detail::FindWindow(self)) window->Deliver(WM_TIMER, timerId, 0, nullptr);
    });
}

UINT_PTR Wnd::SetTimer(UINT_PTR id, UINT milliseconds, TimerProc proc) {
    if (!m_hWnd) return 0;
    KillTimer(id);
    auto* timer = new QTimer;
    const HWND self = m_hWnd;
    QObject::connect(timer, &QTimer::timeout, [self, id, proc = std::move(proc)] {
        if (detail::FindWindow(self)) RunGuarded([&] { proc(self, id); });
    });
    timer->start(static_cast<int>(milliseconds));
    state_->timers[id] = timer;
    return id;
}

BOOL Wnd::HasTimer(UINT_PTR id) const { return state_->timers.contains(id) ? TRUE : FALSE; }

BOOL Wnd::KillTimer(UINT_PTR id) {
    const auto found = state_->timers.find(id);
    if (found == state_->timers.end()) return FALSE;
    DiscardTimer(found->second);
    state_->timers.erase(found);
    return TRUE;
}

QWidget* Wnd::GetWidget() const { return state_->widget; }

void Wnd::SetChildArea(QWidget* area) { state_->childArea = area; }

QWidget* Wnd::GetChildArea() const { return state_->childArea ? state_->childArea.data() : GetWidget(); }

LRESULT Wnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: OnTimer(wParam); return 0;
        case WM_COMMAND: return OnCommand(wParam, lParam);
        case WM_SIZE: OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<WPARAM>(lParam)), HIWORD(static_cast<WPARAM>(lParam))); return 0;
        case WM_CLOSE: DestroyWindow(); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        default: return 0;
    }
}

BOOL Wnd::PreTranslateMessage(MSG*) { return FALSE; }
void Wnd::DoDataExchange(DataExchange*) {}
void Wnd::OnTakeOver(Wnd&) {}
void Wnd::OnPaint(Canvas&) {}
void Wnd::OnTimer(UINT_PTR) {}
void Wnd::OnSize(UINT, int, int) {}
void Wnd::OnDestroy() {}
void Wnd::PostNcDestroy() {}

BOOL Wnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Menus and accelerators (no control) are commands; a control's notification keeps its code.
    const int code = lParam == 0 ? CN_COMMAND : HIWORD(wParam);
    return OnCmdMsg(LOWORD(wParam), code, nullptr);
}

LRESULT Wnd::Deliver(UINT message, WPARAM wParam, LPARAM lParam, MessagePayload* payload) {
    const HWND self = m_hWnd;
    MessagePayload* previous = std::exchange(payload_, payload);
    const LRESULT result = CallGuarded<LRESULT>(0, [&] { return WindowProc(message, wParam, lParam); });
    // The handler may have destroyed (and deleted) this window.
    if (detail::FindWindow(self) == this) payload_ = previous;
    return result;
}

void Wnd::Paint(Canvas& canvas) {
    RunGuarded([&] { OnPaint(canvas); });
}

namespace detail {

Wnd* WindowOfWidget(const QWidget* widget) {
    if (!widget) return nullptr;
    const QVariant handle = widget->property(kHandleProperty);
    return handle.isValid() ? FindWindow(reinterpret_cast<HWND>(handle.value<quintptr>())) : nullptr;
}

Wnd* NearestWindow(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (Wnd* window = WindowOfWidget(widget)) return window;
        if (widget->isWindow()) return nullptr;
    }
    return nullptr;
}

}  // namespace detail
}  // namespace platform::ui
