#include "platform/ui/box/message_box.h"

#include "platform/text/codepage.h"
#include "platform/ui/window/qt_text.h"
#include "platform/ui/window/wnd.h"

#include <QMessageBox>

#include <array>
#include <utility>

namespace platform::ui {

namespace {

using Button = QMessageBox::StandardButton;

constexpr std::array<std::pair<Button, int>, 7> kAnswers{{
    {QMessageBox::Ok, IDOK},
    {QMessageBox::Cancel, IDCANCEL},
    {QMessageBox::Abort, IDABORT},
    {QMessageBox::Retry, IDRETRY},
    {QMessageBox::Ignore, IDIGNORE},
    {QMessageBox::Yes, IDYES},
    {QMessageBox::No, IDNO},
}};

QMessageBox::StandardButtons ButtonsOf(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
        case MB_ABORTRETRYIGNORE: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
        case MB_RETRYCANCEL: return QMessageBox::Retry | QMessageBox::Cancel;
        default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(UINT style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONERROR: return QMessageBox::Critical;
        case MB_ICONQUESTION: return QMessageBox::Question;
        case MB_ICONWARNING: return QMessageBox::Warning;
        case MB_ICONINFORMATION: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

Button ButtonOf(int answer) {
    for (const auto& [button, id] : kAnswers) {
        if (id == answer) return button;
    }
    return QMessageBox::Ok;
}

int AnswerOf(int button) {
    for (const auto& [candidate, id] : kAnswers) {
        if (candidate == button) return id;
    }
    return IDCANCEL;
}

BoxHook& InstalledHook() {
    static BoxHook hook;
    return hook;
}

}  // namespace

int MessageBox(Wnd* owner, const char* text, const char* caption, UINT style) {
    if (const BoxHook& hook = InstalledHook()) return hook(owner ? owner->m_hWnd : nullptr, text, caption, style);
    QMessageBox box(IconOf(style), QtTextOf(caption), QtTextOf(text), ButtonsOf(style), owner ? owner->GetWidget() : nullptr);
    box.setDefaultButton(ButtonOf(DefaultAnswer(style)));
    return AnswerOf(box.exec());
}

BoxHook SetBoxHook(BoxHook hook) { return std::exchange(InstalledHook(), std::move(hook)); }

}  // namespace platform::ui
