// A form view: a view whose window is a dialog template's controls on a surface that scrolls.
//
// The controls are made from the template when the view's window is made, the surface is the
// template's size, and the scroll sizes start there. The form view is a dialog to its controls:
// WM_NEXTDLGCTL, the dialog manager and data exchange work on it as on a dialog. Its
// pre-translation offers a key first to its frames (their accelerators), then to its own dialog
// manager. Each time the view becomes visible the shown-window watcher hears of it
// (platform/ui/box/shown_window.h). Lives on the heap like every view. User-interface thread.
#pragma once

#include "platform/ui/document/view.h"
#include "platform/ui/geometry.h"

#include <memory>
#include <vector>

namespace platform::ui {

// The mapping mode of scroll sizes: pixels.
constexpr int MM_TEXT = 1;
// Scroll bars.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;

class FormView : public View {
public:
    explicit FormView(UINT templateId);
    ~FormView() override;

    // The template's controls are made; then UpdateData(FALSE) and the view's initial update.
    void OnInitialUpdate() override;

    // The frames' accelerators (from the nearest frame out), then the dialog manager; FALSE for a
    // form without controls.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The size of the scrolled surface (MM_TEXT: pixels); scroll bars show where the view is
    // smaller.
    void SetScrollSizes(int mapMode, Size total);
    [[nodiscard]] Size GetTotalSize() const { return total_; }
    // The surface's point at the view's top left corner, and scrolling to one (clamped to the
    // scroll range).
    [[nodiscard]] Point GetScrollPosition() const;
    void ScrollToPosition(Point position);
    // One bar's position (SB_HORZ, SB_VERT); setting answers the previous one.
    [[nodiscard]] int GetScrollPos(int bar) const;
    int SetScrollPos(int bar, int position, BOOL redraw = TRUE);
    // Resizes the parent frame so that the view is exactly the surface's size; with `shrinkOnly`
    // a side is only ever made smaller. The frame then lays itself out again.
    void ResizeParentToFit(BOOL shrinkOnly = TRUE);

protected:
    BOOL CreateViewWindow(Wnd& parent, UINT id) override;
    // WM_NEXTDLGCTL to the dialog manager.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    UINT templateId_;
    Size total_;
    std::vector<std::unique_ptr<Wnd>> controls_;
};

}  // namespace platform::ui
