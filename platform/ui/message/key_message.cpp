#include "platform/ui/message/key_message.h"

#include "platform/ui/message/key_translation.h"
#include "platform/ui/window/virtual_keys.h"

#include <QGuiApplication>

namespace platform::ui {

namespace {

detail::KeyTranslation* gCurrent = nullptr;

bool SameKey(const MSG& a, const MSG& b) {
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam;
}

short StateOf(bool down) { return down ? static_cast<short>(-0x8000) : 0; }

}  // namespace

namespace detail {

KeyTranslation::KeyTranslation(const MSG& msg) : msg_(msg), outer_(gCurrent) { gCurrent = this; }

KeyTranslation::~KeyTranslation() { gCurrent = outer_; }

KeyTranslation* KeyTranslation::Current() { return gCurrent; }

}  // namespace detail

BOOL DispatchMessage(const MSG* msg) {
    detail::KeyTranslation* current = detail::KeyTranslation::Current();
    if (!msg || !current || !SameKey(*msg, current->Message())) return FALSE;
    current->Dispatch();
    return TRUE;
}

short GetKeyState(int virtualKey) {
    if (const detail::KeyTranslation* current = detail::KeyTranslation::Current()) {
        const MSG& msg = current->Message();
        switch (virtualKey) {
            case VK_SHIFT: return StateOf(msg.shift);
            case VK_CONTROL: return StateOf(msg.control);
            case VK_MENU: return StateOf(msg.alt);
            default: return 0;
        }
    }
    const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    switch (virtualKey) {
        case VK_SHIFT: return StateOf(modifiers.testFlag(Qt::ShiftModifier));
        case VK_CONTROL: return StateOf(modifiers.testFlag(Qt::ControlModifier));
        case VK_MENU: return StateOf(modifiers.testFlag(Qt::AltModifier));
        default: return 0;
    }
}

}  // namespace platform::ui
