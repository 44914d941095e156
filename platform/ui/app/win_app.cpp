#include "platform/ui/app/win_app.h"

#include "platform/ui/app/command_line_info.h"
#include "platform/ui/app/wait_cursor.h"
#include "platform/ui/box/message_box.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/single_doc_template.h"
#include "platform/ui/window/ui_thread.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace platform::ui {

namespace {

std::atomic<WinApp*> gApp{nullptr};

}  // namespace

WinApp::WinApp(const char* appName) {
    if (appName) SetAppName(appName);
    gApp.store(this);
}

WinApp::~WinApp() {
    templates_.clear();
    std::free(m_pszProfileName);
    WinApp* self = this;
    gApp.compare_exchange_strong(self, nullptr);
}

BOOL WinApp::InitInstance() { return TRUE; }

int WinApp::ExitInstance() { return 0; }

BOOL WinApp::OnIdle(LONG) {
    auto* frame = dynamic_cast<FrameWnd*>(GetMainWnd());
    if (!frame) return FALSE;
    frame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
    return FALSE;
}

String WinApp::GetBoxCaption() const {
    if (m_pszProfileName) return m_pszProfileName;
    return m_pszAppName ? m_pszAppName : "";
}

void WinApp::SetAppName(const char* name) {
    appName_ = name;
    m_pszAppName = appName_.GetString();
}

void WinApp::ParseCommandLine(CommandLineInfo& info) { ParseArguments(info, m_arguments); }

BOOL WinApp::ProcessShellCommand(CommandLineInfo& info) {
    switch (info.m_nShellCommand) {
        case CommandLineInfo::FileNew:
            return !templates_.empty() && templates_.front()->OpenDocumentFile(nullptr) ? TRUE : FALSE;
        case CommandLineInfo::FileNothing:
            return TRUE;
        default:
            return FALSE;
    }
}

void WinApp::AddDocTemplate(SingleDocTemplate* docTemplate) { templates_.emplace_back(docTemplate); }

void WinApp::SetRegistryKey(const char* key) {
    registryKey_ = key;
    m_pszRegistryKey = registryKey_.GetString();
    std::free(m_pszProfileName);
    m_pszProfileName = ::strdup(m_pszAppName ? m_pszAppName : "");
}

void WinApp::BeginWaitCursor() { ::platform::ui::BeginWaitCursor(); }
void WinApp::EndWaitCursor() { ::platform::ui::EndWaitCursor(); }
void WinApp::RestoreWaitCursor() { ::platform::ui::RestoreWaitCursor(); }

Wnd* WinApp::GetMainWnd() const { return IsUserInterfaceThread() ? m_pMainWnd : nullptr; }

WinApp* AfxGetApp() { return gApp.load(); }

Wnd* AfxGetMainWnd() {
    const WinApp* app = AfxGetApp();
    return app ? app->GetMainWnd() : nullptr;
}

int AfxMessageBox(const char* text, UINT style) {
    const WinApp* app = AfxGetApp();
    return MessageBox(AfxGetMainWnd(), text, app ? app->GetBoxCaption() : String(), style);
}

}  // namespace platform::ui
