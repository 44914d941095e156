#include "platform/ui/app/wait_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform::ui {

namespace {

int gWaitDepth = 0;

}  // namespace

void BeginWaitCursor() {
    if (gWaitDepth++ == 0) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWaitCursor() {
    if (gWaitDepth == 0) return;
    if (--gWaitDepth == 0) QGuiApplication::restoreOverrideCursor();
}

void RestoreWaitCursor() {
    if (gWaitDepth == 0) return;
    // Someone took our cursor off the stack: put it back once, so that the last End takes it off.
    if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

}  // namespace platform::ui
