// A main window for tests of the company start-up, until the programs' main frame exists: a frame
// with the suite's status bar that stands in for the main frame's two start-up steps.
//
// The bar is made with the frame (the default panes and the user's). When the frame is activated
// the bar shows the user object's name and the application information's company, and the frame
// posts WM_APP to itself; WM_APP runs the active document's OnInicializa, then hint 7. Frames
// delete themselves once destroyed. User-interface thread.
#pragma once

#include "framework/status/zt_frame_status_bar.h"
#include "framework/status/zt_status_bar.h"
#include "platform/ui/document/frame_wnd.h"

#include <memory>

namespace framework::testing {

class CZTFrameTeste : public platform::ui::FrameWnd, public IZTFrameStatusBar {
public:
    // `barra` (owned; null: a plain CZTStatusBar) is the bar made with the frame.
    explicit CZTFrameTeste(std::unique_ptr<CZTStatusBar> barra = nullptr);

    [[nodiscard]] CZTStatusBar* GetStatusBar() override { return m_pBarra.get(); }

    // Shows the frame, posts WM_APP to it, then the bar shows user and company.
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    // The client area, then the bar.
    platform::BOOL OnCreateClient(platform::ui::CreateContext* context) override;
    // WM_APP: the active document's start (OnInicializaDocumento).
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

private:
    void OnInicializaDocumento();

    std::unique_ptr<CZTStatusBar> m_pBarra;
};

}  // namespace framework::testing
