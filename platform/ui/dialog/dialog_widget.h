// The Qt side of a dialog (internal): the dialog's font and base units, and the QDialog whose
// keys and showing become the layer's. Qt's default button and Escape handling are off: Enter
// and Escape are the dialog manager's; once shown, the next-dialog hook of the template runs
// from the event loop, after the shown-window watcher heard of it.
#pragma once

#include "platform/ui/geometry.h"
#include "platform/ui/resource/dialog_template.h"

#include <QDialog>
#include <QFont>

namespace platform::ui::detail {

[[nodiscard]] QFont QtDialogFont(const DialogFont& font);
// The base units of `font`: its average width of the Latin letters, rounded, and its height.
[[nodiscard]] Size DialogBaseUnits(const QFont& font);

class DialogWidget final : public QDialog {
public:
    DialogWidget(UINT templateId, QWidget* owner) : QDialog(owner), templateId_(templateId) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    UINT templateId_;
};

}  // namespace platform::ui::detail
