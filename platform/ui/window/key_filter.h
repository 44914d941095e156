// The application-wide filter that turns key presses on windows' widgets into pre-translated
// messages (internal): the MSG of the key is offered to PreTranslateMessage of the window the
// key was pressed on and then of its parents, until one takes it. A key that nobody took, or
// that its taker handed on (DispatchMessage), goes on to the widget.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace platform::ui::detail {

class KeyFilter final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Qt offers a key its receiver ignored to the receiver's parents, through this filter again.
    [[nodiscard]] bool IsPassedUp(const QWidget* widget, const QEvent* event) const;

    const QEvent* passedOn_ = nullptr;
    QPointer<QWidget> receiver_;
};

}  // namespace platform::ui::detail
