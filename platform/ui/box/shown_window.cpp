#include "platform/ui/box/shown_window.h"

#include <utility>

namespace platform::ui {

namespace {

ShownWindowWatcher& InstalledWatcher() {
    static ShownWindowWatcher watcher;
    return watcher;
}

}  // namespace

ShownWindowWatcher SetShownWindowWatcher(ShownWindowWatcher watcher) {
    return std::exchange(InstalledWatcher(), std::move(watcher));
}

void ReportWindowShown(UINT templateId, Wnd& window) {
    // A copy: the watcher may replace itself while it runs.
    if (const ShownWindowWatcher watcher = InstalledWatcher()) watcher(templateId, window);
}

}  // namespace platform::ui
