#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/view.h"
#include "platform/ui/message/message_queue.h"
#include "platform/ui/window/key_filter.h"
#include "platform/ui/window/window_events.h"
#include "platform/ui/window/window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace platform::ui::detail {

namespace {

// The view that holds the newly focused widget becomes its frame's active view; a focus that
// moves to no view (a dialog, another window) leaves the active view as it is.
void ActivateViewOf(const QWidget* focused) {
    for (const QWidget* widget = focused; widget; widget = widget->parentWidget()) {
        auto* view = dynamic_cast<View*>(WindowOfWidget(widget));
        if (!view) continue;
        if (FrameWnd* frame = view->GetParentFrame()) frame->SetActiveView(view);
        return;
    }
}

// Tells every top-level window that the desktop's colours changed.
class PaletteWatch final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
            for (Wnd* window : TopLevelWindows()) window->SendMessage(WM_SYSCOLORCHANGE);
        }
        return false;
    }
};

}  // namespace

void StartWindowLayer() {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application) return;
    static QApplication* started = nullptr;
    if (started == application) return;
    started = application;
    StartMessageQueue();
    QObject::connect(application, &QApplication::focusChanged, [](QWidget*, QWidget* now) { ActivateViewOf(now); });
    application->installEventFilter(new PaletteWatch(application));
    application->installEventFilter(new KeyFilter(application));
}

}  // namespace platform::ui::detail
