// The layer's own door into a window's message handling (internal): the message queue, the
// widgets' events and painting reach a Wnd only through here.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui {

class WindowEvents {
public:
    static LRESULT Deliver(Wnd& window, UINT message, WPARAM wParam, LPARAM lParam, MessagePayload* payload) {
        return window.Deliver(message, wParam, lParam, payload);
    }
    static void Paint(Wnd& window, Canvas& canvas) { window.Paint(canvas); }
};

namespace detail {

// Starts what the layer needs on the user-interface thread before a first window: the message
// queue's receiver, the keys' pre-translation, the tracking of the focused view and of the
// desktop's colours. Once; any
// later call does nothing.
void StartWindowLayer();

// The live window whose widget is `widget`; null for a widget of no window.
[[nodiscard]] Wnd* WindowOfWidget(const QWidget* widget);
// The window of the widget, or of the nearest parent widget in its top-level window that has one
// (a combo's edit); null when none has.
[[nodiscard]] Wnd* NearestWindow(const QWidget* widget);

}  // namespace detail
}  // namespace platform::ui
