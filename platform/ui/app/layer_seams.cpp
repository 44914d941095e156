#include "platform/ui/app/layer_seams.h"

#include "platform/text/codepage.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/window/wnd.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform::ui {

namespace {

int PrimaryScreenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : kDefaultPixelsPerInch;
}

}  // namespace

LayerSeams::LayerSeams()
    : pixelsPerInch_(PrimaryScreenPixelsPerInch()),
      previousInteraction_(SetInteraction(this)),
      previousScreen_(SetScreenDeviceContext(this)) {}

LayerSeams::~LayerSeams() {
    SetScreenDeviceContext(previousScreen_);
    SetInteraction(previousInteraction_);
}

int LayerSeams::ShowMessage(const String& text, const String& caption, unsigned type, bool owned) {
    return MessageBox(owned ? AfxGetMainWnd() : nullptr, text, caption, type);
}

std::optional<String> LayerSeams::ChooseFolder(const String& start) {
    const Wnd* owner = AfxGetMainWnd();
    const QString folder = QFileDialog::getExistingDirectory(owner ? owner->GetWidget() : nullptr, QString(),
                                                             QString::fromStdString(Utf8FromAnsi(start.view())));
    if (folder.isEmpty()) return std::nullopt;
    return String(AnsiFromUtf8(folder.toStdString()));
}

String LayerSeams::LoadText(unsigned id) {
    String text;
    LoadResourceString(id, text);
    return text;
}

}  // namespace platform::ui
