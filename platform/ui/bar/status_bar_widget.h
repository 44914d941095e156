// The Qt side of a status bar (internal): a QStatusBar that the bar paints itself, pane by pane,
// so that every pane sits exactly where its width puts it.
#pragma once

#include <QStatusBar>

namespace platform::ui {

class Wnd;

class StatusBarWidget final : public QStatusBar {
public:
    explicit StatusBarWidget(Wnd& bar);

    // A bar is one line of the bar's font high.
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return sizeHint(); }

    // Becomes the status bar of `parent` when that is a main window (the frame lays it out along
    // its bottom); otherwise stays a plain child at the parent's bottom edge.
    void AttachTo(QWidget& parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Wnd& bar_;
};

}  // namespace platform::ui
