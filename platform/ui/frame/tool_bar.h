// A toolbar: a row of 16 x 15 picture buttons along the top of a frame, one per command id.
//
// A button sends WM_COMMAND with its id to the toolbar's parent (the frame), whose route runs it;
// its tooltip is the tip of its command's string ("prompt\ntip"). At idle (WM_IDLEUPDATECMDUI)
// every button is updated through the parent's route: enabled, checked; a button whose command
// has no handler anywhere is disabled. The frame shows and hides it (FrameWnd::ShowControlBar).
// User-interface thread.
#pragma once

#include "platform/ui/draw/image.h"
#include "platform/ui/frame/frame_ids.h"
#include "platform/ui/resource/frame_templates.h"
#include "platform/ui/window/wnd.h"

namespace platform::ui {

// A toolbar button's picture.
constexpr int kToolBarButtonWidth = 16;
constexpr int kToolBarButtonHeight = 15;

class ToolBar : public Wnd {
public:
    ToolBar();
    ~ToolBar() override;

    // Creates the bar as a visible child of `parent` along its top edge (a frame's toolbar);
    // FALSE when this object has a window already or there is no parent.
    BOOL Create(Wnd* parent, UINT id = AFX_IDW_TOOLBAR);

    // The buttons of toolbar `id` and their pictures from bitmap `id`; FALSE (bar unchanged) when
    // no toolbar `id` is registered.
    BOOL LoadToolBar(UINT id);
    // Makes one button per command id, in order (0: a separator), replacing the ones before;
    // `pictures` holds one 16 x 15 picture per button, side by side (a null image: none).
    void SetButtons(const ToolBarTemplate& buttons, const Image& pictures);

    [[nodiscard]] int GetCount() const { return static_cast<int>(buttons_.size()); }
    // The command id of button `index`; 0 for a separator or an index outside the bar.
    [[nodiscard]] UINT GetItemID(int index) const;

    // Runs every button's update through the parent's route.
    void UpdateButtons();

protected:
    // WM_IDLEUPDATECMDUI: UpdateButtons.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ToolBarTemplate buttons_;
};

}  // namespace platform::ui
