// CZTKelvoMainFrame: the suite's main frame over the framework's: the status bar, the memory
// timer, the help and about commands, and a title that names the open company.
//
// Once its window exists it starts the memory timer and makes its bar (set the bar's panes before
// LoadFrame). Activated, it shows the title "<application title> - <company name>" and the user
// and company in the bar; WM_APP+3 brings a new company name into the title. Help (57670), the
// help contents (57666), context help (WM_HELP) and the about box (57664) go with the
// application's system code. User-interface thread.
#pragma once

#include "framework/frame/zt_fc_main_frame.h"
#include "framework/status/zt_frame_status_bar.h"
#include "framework/status/zt_status_bar.h"
#include "platform/ui/frame/frame_ids.h"

#include <memory>

// The suite frame's commands.
using platform::ui::ID_APP_ABOUT;
using platform::ui::ID_HELP;
using platform::ui::ID_HELP_INDEX;

class CZTKelvoMainFrame : public CZTFCMainFrame, public IZTFrameStatusBar {
public:
    // `barra` (owned; null: a plain CZTStatusBar with the default panes) is the frame's bar.
    explicit CZTKelvoMainFrame(std::unique_ptr<CZTStatusBar> barra = nullptr);
    ~CZTKelvoMainFrame() override;

    [[nodiscard]] CZTStatusBar* GetStatusBar() override { return m_pBarra.get(); }

    // The framework's activation, then the title with the company and the bar's user and company.
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    // The client area, then the memory timer and the bar; -1 when the bar cannot be made.
    int OnCreate() override;
    // WM_APP+3 (the company name as wParam) and WM_HELP (TRUE).
    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) override;

    // The commands, each with the system code.
    void OnHelp();
    void OnHelpIndex();
    void OnAppAbout();

private:
    // "<application title> - <empresa>".
    void MostraTitulo(const char* empresa);

    std::unique_ptr<CZTStatusBar> m_pBarra;
};
