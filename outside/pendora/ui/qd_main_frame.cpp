#include "outside/pendora/ui/qd_main_frame.h"

#include "platform/ui/command/cmd_ui.h"

CQDMainFrame::CQDMainFrame() { MapeiaComandos(); }

CQDMainFrame::CQDMainFrame(std::unique_ptr<CZTStatusBar> barra) : CZTKelvoMainFrame(std::move(barra)) { MapeiaComandos(); }

void CQDMainFrame::MapeiaComandos() {
    MapCommand(ID_QD_VIEW_TOOLBAR, [this] { OnViewToolBar(); });
    MapUpdateCommandUI(ID_QD_VIEW_TOOLBAR, [this](platform::ui::CmdUI* pCmdUI) { OnUpdateCmdToolBar(pCmdUI); });
}

int CQDMainFrame::OnCreate() {
    if (CZTKelvoMainFrame::OnCreate() == -1) return -1;
    // A program without a toolbar table has no toolbar; its frame still works.
    if (m_toolBar.Create(this) && !m_toolBar.LoadToolBar(GetResourceID())) m_toolBar.DestroyWindow();
    return 0;
}

bool CQDMainFrame::ToolBarMostrada() const { return (m_toolBar.GetStyle() & platform::ui::WS_VISIBLE) != 0; }

void CQDMainFrame::OnViewToolBar() {
    if (platform::ui::ToolBar* barra = GetToolBar()) ShowControlBar(barra, ToolBarMostrada() ? platform::FALSE : platform::TRUE);
}

void CQDMainFrame::OnUpdateCmdToolBar(platform::ui::CmdUI* pCmdUI) {
    const bool existe = GetToolBar() != nullptr;
    pCmdUI->Enable(existe);
    pCmdUI->SetCheck(existe && ToolBarMostrada() ? 1 : 0);
}
