#include "platform/ui/message/message_queue.h"

#include "platform/system/auto_reset_event.h"
#include "platform/ui/window/ui_thread.h"
#include "platform/ui/window/window_events.h"
#include "platform/ui/window/window_registry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <mutex>

namespace platform::ui {

namespace detail {

class SentReply {
public:
    // The first answer counts; a dropped message answers 0 from its destructor.
    void Finish(LRESULT result) {
        if (finished_.exchange(true)) return;
        result_ = result;
        done_.Set();
    }
    LRESULT Wait() {
        done_.Wait();
        return result_;
    }

private:
    std::atomic<bool> finished_{false};
    LRESULT result_ = 0;
    AutoResetEvent done_;
};

namespace {

const QEvent::Type kMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class MessageEvent final : public QEvent {
public:
    explicit MessageEvent(QueuedMessage message) : QEvent(kMessageEvent), message_(std::move(message)) {}
    ~MessageEvent() override {
        if (message_.reply) message_.reply->Finish(0);
    }

    void Handle() {
        Wnd* window = FindWindow(message_.window);
        const LRESULT result = window ? WindowEvents::Deliver(*window, message_.message, message_.wParam,
                                                              message_.lParam, message_.payload.get())
                                      : 0;
        if (message_.reply) message_.reply->Finish(result);
    }

private:
    QueuedMessage message_;
};

class MessageReceiver final : public QObject {
public:
    using QObject::QObject;
    bool event(QEvent* event) override {
        if (event->type() != kMessageEvent) return QObject::event(event);
        static_cast<MessageEvent*>(event)->Handle();
        return true;
    }
};

// Guards the receiver's pointer against a poster on another thread while the application (and
// with it the receiver) goes.
std::mutex gReceiverMutex;
QObject* gReceiver = nullptr;

}  // namespace

void StartMessageQueue() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return;
    const std::lock_guard lock(gReceiverMutex);
    if (gReceiver) return;
    gReceiver = new MessageReceiver(application);
    QObject::connect(gReceiver, &QObject::destroyed, [] {
        const std::lock_guard lock(gReceiverMutex);
        gReceiver = nullptr;
    });
}

bool Enqueue(QueuedMessage message) {
    const std::lock_guard lock(gReceiverMutex);
    if (!gReceiver) return false;
    QCoreApplication::postEvent(gReceiver, new MessageEvent(std::move(message)));
    return true;
}

}  // namespace detail

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsUserInterfaceThread()) {
        Wnd* target = detail::FindWindow(window);
        return target ? WindowEvents::Deliver(*target, message, wParam, lParam, nullptr) : 0;
    }
    // Whether the window still lives is asked on its own thread, when the message is handled.
    auto reply = std::make_shared<detail::SentReply>();
    if (!detail::Enqueue({window, message, wParam, lParam, nullptr, reply})) return 0;
    return reply->Wait();
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::unique_ptr<MessagePayload> payload) {
    if (!IsWindow(window)) return FALSE;
    return detail::Enqueue({window, message, wParam, lParam, std::move(payload), nullptr}) ? TRUE : FALSE;
}

BOOL IsWindow(HWND window) { return window && detail::FindWindow(window) ? TRUE : FALSE; }

}  // namespace platform::ui
