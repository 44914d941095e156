#include "platform/ui/window/key_filter.h"

#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/message/key_translation.h"
#include "platform/ui/window/help_request.h"
#include "platform/ui/window/virtual_keys.h"
#include "platform/ui/window/window_events.h"

#include <QKeyEvent>
#include <QWhatsThis>

namespace platform::ui::detail {

namespace {

MSG MessageOf(const Wnd& window, UINT virtualKey, Qt::KeyboardModifiers modifiers) {
    MSG msg;
    msg.hwnd = window.m_hWnd;
    msg.alt = modifiers.testFlag(Qt::AltModifier);
    msg.shift = modifiers.testFlag(Qt::ShiftModifier);
    msg.control = modifiers.testFlag(Qt::ControlModifier);
    msg.message = msg.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    msg.wParam = virtualKey;
    return msg;
}

// Offers the key from `window` up its parents; TRUE when one took it. A window that a handler
// destroyed ends the walk as taken: the key did its work.
BOOL WalkPreTranslateTree(Wnd& window, MSG& msg) {
    for (HWND handle = window.m_hWnd; handle;) {
        Wnd* current = Wnd::FromHandle(handle);
        if (!current) return TRUE;
        if (current->PreTranslateMessage(&msg)) return TRUE;
        if (Wnd::FromHandle(handle) != current) return TRUE;
        Wnd* parent = current->GetParent();
        handle = parent ? parent->m_hWnd : nullptr;
    }
    return FALSE;
}

// F1 asks for help on the focused window; Shift+F1 enters what's-this mode, where the next click
// asks for help on the window clicked. Both act on a key that no window took (or that its taker
// handed on), as the default handling of the key does.
bool OfferToHelp(Wnd& window, const MSG& msg) {
    if (msg.wParam != VK_F1 || msg.control || msg.alt) return false;
    if (msg.shift) {
        QWhatsThis::enterWhatsThisMode();
        return true;
    }
    return CallGuarded<BOOL>(FALSE, [&] { return SendHelpRequest(window); }) != FALSE;
}

}  // namespace

bool KeyFilter::IsPassedUp(const QWidget* widget, const QEvent* event) const {
    return event == passedOn_ && receiver_ && widget != receiver_ && widget->isAncestorOf(receiver_);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::WhatsThis) {
        Wnd* clicked = NearestWindow(widget);
        if (!clicked) return false;
        // One click answers the mode, whoever handles the request.
        event->accept();
        QWhatsThis::leaveWhatsThisMode();
        CallGuarded<BOOL>(FALSE, [&] { return SendHelpRequest(*clicked); });
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    if (IsPassedUp(widget, event)) return false;
    passedOn_ = event;
    receiver_ = widget;
    const auto* key = static_cast<QKeyEvent*>(event);
    const UINT virtualKey = VirtualKeyOf(key->key());
    Wnd* window = NearestWindow(widget);
    if (!virtualKey || !window) return false;
    MSG msg = MessageOf(*window, virtualKey, key->modifiers());
    const KeyTranslation translation(msg);
    const QPointer<QWidget> alive = widget;
    const HWND handle = window->m_hWnd;
    const BOOL taken = CallGuarded<BOOL>(TRUE, [&] { return WalkPreTranslateTree(*window, msg); });
    if (taken && !translation.Dispatched()) return true;
    Wnd* still = Wnd::FromHandle(handle);
    return alive && still && OfferToHelp(*still, msg);
}

}  // namespace platform::ui::detail
