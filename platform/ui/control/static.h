// A static control: a text, a picture's place or a group box's frame and title, over a Qt label
// or group box. It sends no notifications. User-interface thread.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui {

class Static : public Wnd {
public:
    [[nodiscard]] WindowKind GetKind() const override { return WindowKind::Static; }

    // Creates a text (a picture: no text) as a child of `parent` at `rect`; FALSE when this
    // object has a window already or there is no parent.
    BOOL Create(const char* text, const Rect& rect, Wnd* parent, UINT id);
    // The same for a group box with `text` as its title; the controls inside stay its siblings.
    BOOL CreateGroupBox(const char* text, const Rect& rect, Wnd* parent, UINT id);

    void SetWindowText(const char* text) override;
    void GetWindowText(String& text) const override;

private:
    BOOL CreateOverWidget(QWidget* widget, const Rect& rect, Wnd* parent, UINT id);
};

}  // namespace platform::ui
