#include "platform/ui/document/frame_wnd.h"

#include "platform/ui/app/win_app.h"
#include "platform/ui/bar/status_bar.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/view.h"
#include "platform/ui/frame/command_state.h"
#include "platform/ui/frame/command_strings.h"
#include "platform/ui/frame/frame_ids.h"
#include "platform/ui/frame/frame_menu_bar.h"
#include "platform/ui/resource/resources.h"
#include "platform/ui/window/wnd_widget.h"

#include <QImage>
#include <QLayout>
#include <QMainWindow>
#include <QPixmap>
#include <QToolBar>

#include <algorithm>

namespace platform::ui {

namespace {

QMainWindow* MainWindowOf(const Wnd& frame) { return static_cast<QMainWindow*>(frame.GetWidget()); }

void SetIcon(QWidget& widget, const Image& icon) {
    if (icon.IsNull()) return;
    const QImage view(reinterpret_cast<const uchar*>(icon.pixels.data()), icon.width, icon.height, icon.width * 4,
                      QImage::Format_ARGB32);
    widget.setWindowIcon(QPixmap::fromImage(view.copy()));
}

// The accelerator of the key `msg` with exactly its modifiers; null when the table has none.
const Accel* FindAccelerator(const AcceleratorTable& table, const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return nullptr;
    const BYTE modifiers = (msg.shift ? FSHIFT : 0) | (msg.control ? FCONTROL : 0) | (msg.alt ? FALT : 0);
    const auto found = std::find_if(table.begin(), table.end(), [&](const Accel& accel) {
        return accel.key == msg.wParam && (accel.fVirt & (FSHIFT | FCONTROL | FALT)) == modifiers;
    });
    return found == table.end() ? nullptr : &*found;
}

bool IsShownItself(const Wnd& window) { return (window.GetStyle() & WS_VISIBLE) != 0; }

}  // namespace

FrameWnd::FrameWnd() {
    MapCommand(ID_VIEW_STATUS_BAR, [this] { OnBarCheck(ID_VIEW_STATUS_BAR); });
    MapUpdateCommandUI(ID_VIEW_STATUS_BAR, [this](CmdUI* cmdUI) { OnUpdateControlBarMenu(cmdUI); });
    MapCommand(ID_APP_EXIT, [] {
        if (Wnd* main = AfxGetMainWnd()) main->SendMessage(WM_CLOSE);
    });
}

FrameWnd::~FrameWnd() = default;

BOOL FrameWnd::LoadFrame(UINT nIDResource, CreateContext* context) {
    resourceId_ = nIDResource;
    CREATESTRUCT cs;
    cs.style = FWS_ADDTOTITLE;
    if (!PreCreateWindow(cs) || !CreateOver(new QMainWindow, nullptr, 0)) return FALSE;
    ModifyStyle(0, cs.style);
    if (!cs.lpszName.IsEmpty()) SetWindowText(cs.lpszName);
    SetIcon(*GetWidget(), LoadIconImage(nIDResource));
    if (const auto menu = LoadMenuTemplate(nIDResource)) SetMenu(*menu);
    if (auto table = LoadAcceleratorTable(nIDResource)) SetAccelerators(std::move(*table));
    creating_ = context;
    const LRESULT created = SendMessage(WM_CREATE);
    creating_ = nullptr;
    if (created != -1) {
        // The message pane starts with the idle text, once the program's bars exist.
        PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return TRUE;
    }
    DestroyWindow();
    return FALSE;
}

void FrameWnd::SetMenu(const MenuTemplate& menu) {
    if (GetWidget()) detail::InstallMenuBar(*this, *MainWindowOf(*this), menu);
}

void FrameWnd::SetAccelerators(AcceleratorTable table) { accelerators_ = std::move(table); }

Wnd* FrameWnd::GetControlBar(UINT id) const { return GetDlgItem(id); }

void FrameWnd::ShowControlBar(Wnd* bar, BOOL show) {
    if (!bar) return;
    bar->ShowWindow(show ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

void FrameWnd::DockControlBar(Wnd* bar, UINT dockBarId, const Rect*) {
    auto* toolBar = bar ? qobject_cast<QToolBar*>(bar->GetWidget()) : nullptr;
    auto* window = GetWidget() ? qobject_cast<QMainWindow*>(GetWidget()) : nullptr;
    if (!toolBar || !window) return;
    const Qt::ToolBarArea area = dockBarId == AFX_IDW_DOCKBAR_LEFT     ? Qt::LeftToolBarArea
                                 : dockBarId == AFX_IDW_DOCKBAR_RIGHT  ? Qt::RightToolBarArea
                                 : dockBarId == AFX_IDW_DOCKBAR_BOTTOM ? Qt::BottomToolBarArea
                                                                       : Qt::TopToolBarArea;
    window->addToolBar(area, toolBar);
    toolBar->setVisible((bar->GetStyle() & WS_VISIBLE) != 0);
}

void FrameWnd::SetMessageText(const char* text) {
    if (Wnd* bar = GetControlBar(AFX_IDW_STATUS_BAR)) bar->SetWindowText(text);
}

void FrameWnd::SetMessageText(UINT id) {
    String message;
    GetMessageString(id, message);
    SetMessageText(message.GetString());
}

void FrameWnd::GetMessageString(UINT id, String& message) const {
    message = id == AFX_IDS_IDLEMESSAGE ? IdleMessage() : CommandPrompt(id);
}

BOOL FrameWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

int FrameWnd::OnCreate() { return OnCreateClient(creating_) ? 0 : -1; }

void FrameWnd::SetActiveView(View* view) { activeView_ = view; }

Document* FrameWnd::GetActiveDocument() const { return activeView_ ? activeView_->GetDocument() : nullptr; }

void FrameWnd::ActivateFrame(int nCmdShow) {
    ShowWindow(nCmdShow == -1 ? SW_SHOWNORMAL : nCmdShow);
    if (!IsWindowVisible()) return;
    GetWidget()->raise();
    GetWidget()->activateWindow();
    if (activeView_) activeView_->SetFocus();
}

void FrameWnd::InitialUpdateFrame(Document* document, BOOL makeVisible, int nCmdShow) {
    std::vector<View*> views;
    if (document) {
        std::copy_if(document->GetViews().begin(), document->GetViews().end(), std::back_inserter(views),
                     [this](const View* view) { return view->GetParentFrame() == this; });
    }
    for (View* view : views) view->OnInitialUpdate();
    if (!activeView_) {
        auto* pane = dynamic_cast<View*>(GetDlgItem(AFX_IDW_PANE_FIRST));
        SetActiveView(pane ? pane : views.empty() ? nullptr : views.front());
    }
    if (makeVisible) ActivateFrame(nCmdShow);
}

void FrameWnd::RecalcLayout() {
    if (QLayout* layout = GetWidget() ? GetWidget()->layout() : nullptr) layout->activate();
}

void FrameWnd::SetCentralWnd(Wnd& child) { MainWindowOf(*this)->setCentralWidget(child.GetWidget()); }

View* FrameWnd::CreateView(const CreateContext& context, UINT id) { return CreateViewFromContext(context, *this, id); }

BOOL FrameWnd::OnCmdMsg(UINT id, int code, CmdUI* cmdUI) {
    if (activeView_ && activeView_->OnCmdMsg(id, code, cmdUI)) return TRUE;
    if (HandleOwnCommand(id, code, cmdUI)) return TRUE;
    WinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, cmdUI) ? TRUE : FALSE;
}

BOOL FrameWnd::TranslateFrameAccelerators(MSG* pMsg) {
    const Accel* accel = pMsg ? FindAccelerator(accelerators_, *pMsg) : nullptr;
    if (!accel) return FALSE;
    const UINT id = accel->cmd;
    // A disabled command's key is taken and does nothing.
    CmdUI state(id);
    if (UpdateCommandState(*this, state)) SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 1), 0);
    return TRUE;
}

BOOL FrameWnd::PreTranslateMessage(MSG* pMsg) { return TranslateFrameAccelerators(pMsg); }

BOOL FrameWnd::OnCreateClient(CreateContext* context) {
    if (!context || !context->m_pNewViewClass) return TRUE;
    View* view = CreateView(*context, AFX_IDW_PANE_FIRST);
    if (!view) return FALSE;
    SetCentralWnd(*view);
    return TRUE;
}

void FrameWnd::OnClose() {
    if (Document* document = GetActiveDocument()) {
        document->OnCloseDocument();
    } else {
        DestroyWindow();
    }
}

LRESULT FrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate();
        case WM_CLOSE: OnClose(); return 0;
        case WM_SETMESSAGESTRING: SetMessageText(static_cast<UINT>(wParam)); return 0;
        case WM_SYSCOLORCHANGE: SendMessageToDescendants(message, wParam, lParam); return 0;
        default: return Wnd::WindowProc(message, wParam, lParam);
    }
}

void FrameWnd::OnSize(UINT, int, int) { RecalcLayout(); }

void FrameWnd::OnBarCheck(UINT id) {
    if (Wnd* bar = GetControlBar(id)) ShowControlBar(bar, IsShownItself(*bar) ? FALSE : TRUE);
}

void FrameWnd::OnUpdateControlBarMenu(CmdUI* cmdUI) {
    const Wnd* bar = GetControlBar(cmdUI->m_nID);
    if (!bar) {
        cmdUI->Enable(FALSE);
        return;
    }
    cmdUI->SetCheck(IsShownItself(*bar) ? 1 : 0);
}

void FrameWnd::PostNcDestroy() { delete this; }

}  // namespace platform::ui
