// The key being offered to the windows, while it is (internal to the layer): what
// DispatchMessage and GetKeyState answer from.
#pragma once

#include "platform/ui/message/key_message.h"

namespace platform::ui::detail {

// Makes `msg` the key under translation for its lifetime; translations nest (a handler may
// press another key), the outer one is current again afterwards.
class KeyTranslation {
public:
    explicit KeyTranslation(const MSG& msg);
    ~KeyTranslation();
    KeyTranslation(const KeyTranslation&) = delete;
    KeyTranslation& operator=(const KeyTranslation&) = delete;

    // The innermost translation; null outside any.
    [[nodiscard]] static KeyTranslation* Current();
    [[nodiscard]] const MSG& Message() const { return msg_; }
    // Whether a handler handed the key on to its widget.
    [[nodiscard]] bool Dispatched() const { return dispatched_; }
    void Dispatch() { dispatched_ = true; }

private:
    MSG msg_;
    bool dispatched_ = false;
    KeyTranslation* outer_;
};

}  // namespace platform::ui::detail
