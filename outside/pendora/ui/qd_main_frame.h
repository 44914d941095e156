// CQDMainFrame: the client library's main frame, the base of every program's frame: the suite's
// frame with the program's toolbar and its toggle.
//
// Once its window exists it makes the toolbar from the program's table and pictures (the frame's
// resource, IDR_MAINFRAME in every program); a program without a toolbar table gets none, and the toggle is then disabled.
// Command 32801 shows and hides the toolbar, checked while it shows. User-interface thread.
#pragma once

#include "framework/frame/zt_kelvo_main_frame.h"
#include "platform/ui/frame/tool_bar.h"

// The programs' menu, toolbar and accelerators.
constexpr platform::UINT IDR_MAINFRAME = 128;
// The toolbar's toggle in every program's menu.
constexpr platform::UINT ID_QD_VIEW_TOOLBAR = 32801;

class CQDMainFrame : public CZTKelvoMainFrame {
public:
    CQDMainFrame();
    explicit CQDMainFrame(std::unique_ptr<CZTStatusBar> barra);

    [[nodiscard]] platform::ui::ToolBar* GetToolBar() { return m_toolBar.GetSafeHwnd() ? &m_toolBar : nullptr; }

protected:
    // The suite frame's window, then the toolbar.
    int OnCreate() override;

    void OnViewToolBar();
    void OnUpdateCmdToolBar(platform::ui::CmdUI* pCmdUI);

private:
    void MapeiaComandos();
    // The toolbar's own shown state (also while the frame is hidden).
    [[nodiscard]] bool ToolBarMostrada() const;

    platform::ui::ToolBar m_toolBar;
};
