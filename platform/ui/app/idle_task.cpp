#include "platform/ui/app/idle_task.h"

#include "platform/ui/message/dispatch_boundary.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>

#include <utility>
#include <vector>

namespace platform::ui {

namespace {

std::vector<std::function<void()>>& WaitingTasks() {
    static std::vector<std::function<void()>> tasks;
    return tasks;
}

// The loop is about to wait: the tasks run as its next events, not inside the dispatcher's own
// call, so that a task may open a modal dialog.
void HandTasksToLoop() {
    for (std::function<void()>& task : std::exchange(WaitingTasks(), {})) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [task = std::move(task)] { RunGuarded(task); },
                                  Qt::QueuedConnection);
    }
}

// Listens to the dispatcher of the running application (a new one after a new application).
void WatchDispatcher() {
    static QPointer<QAbstractEventDispatcher> watched;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || watched == dispatcher) return;
    watched = dispatcher;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, HandTasksToLoop);
}

}  // namespace

void RunWhenIdle(std::function<void()> task) {
    WatchDispatcher();
    WaitingTasks().push_back(std::move(task));
}

}  // namespace platform::ui
