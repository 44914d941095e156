#include "platform/ui/window/ui_thread.h"

#include <QCoreApplication>
#include <QThread>

namespace platform::ui {

bool IsUserInterfaceThread() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application && application->thread() == QThread::currentThread();
}

}  // namespace platform::ui
