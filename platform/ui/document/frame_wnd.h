// A frame window: the top-level window (over a QMainWindow) that holds a document's views.
//
// The frame keeps its active view: the last view that got the focus, kept while a dialog or
// another window has it. Commands go to the active view (and its document), then the frame, then
// the application. WM_CLOSE reaches OnClose, which may refuse; by default it closes the document,
// whose OnCloseDocument destroys the frame. Frames live on the heap and delete themselves once
// destroyed; when the application's main window goes, the event loop ends. User-interface
// thread.
//
// The frame carries the program's menu bar and accelerator table (loaded with the frame's
// resource id, or set), its control bars (the toolbar AFX_IDW_TOOLBAR, the status bar
// AFX_IDW_STATUS_BAR: children with those ids) and the status bar's message pane: while a menu
// item is hovered the pane shows the item's prompt, and the idle message once the menu closes.
// Each pop-up's items are updated through the route just before it opens; an item whose command
// has no handler anywhere is disabled. The frame itself handles ID_VIEW_STATUS_BAR (shows or
// hides the status bar, checked while shown) and ID_APP_EXIT (WM_CLOSE to the main window).
#pragma once

#include "platform/ui/document/create_context.h"
#include "platform/ui/resource/frame_templates.h"
#include "platform/ui/window/wnd.h"

namespace platform::ui {

class Document;
class View;

// The control id of a frame's first (or only) pane.
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;

// A frame style: the frame's title follows its document's (the template's title is put on it).
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// What a frame's window is made with; PreCreateWindow may change it.
struct CREATESTRUCT {
    DWORD style = 0;
    // The window's title; empty: none.
    String lpszName;
};

class FrameWnd : public Wnd {
public:
    FrameWnd();
    ~FrameWnd() override;

    // Creates the frame's window (with the icon, menu and accelerator table registered under
    // `nIDResource`, those there are) from what PreCreateWindow left in the create struct, then
    // sends it WM_CREATE, whose OnCreate makes the client area through OnCreateClient(context);
    // FALSE when either refuses, and the frame is then destroyed (and deleted, as every
    // destroyed frame).
    BOOL LoadFrame(UINT nIDResource, CreateContext* context = nullptr);
    // The resource id LoadFrame was given (its menu, accelerators and toolbar); 0 before.
    [[nodiscard]] UINT GetResourceID() const { return resourceId_; }

    // Makes the frame's menu bar from `menu`, replacing the one before; choosing an item sends
    // WM_COMMAND with its id to the frame. Needs the frame's window.
    void SetMenu(const MenuTemplate& menu);
    // Replaces the frame's accelerator table.
    void SetAccelerators(AcceleratorTable table);

    // The control bar with control id `id` (AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR); null if none.
    [[nodiscard]] Wnd* GetControlBar(UINT id) const;
    // Shows or hides `bar` (one of the frame's control bars) and lays the frame out again.
    void ShowControlBar(Wnd* bar, BOOL show);
    // Docks the toolbar `bar` along side `dockBarId` (AFX_IDW_DOCKBAR_TOP, _LEFT, _RIGHT,
    // _BOTTOM; 0: the top), after the bars already there; `rect`, the place along the side, is
    // not used: bars line up in the order they are docked.
    void DockControlBar(Wnd* bar, UINT dockBarId = 0, const Rect* rect = nullptr);

    // The message pane's text (the status bar's, when the frame has one): `text`, or the prompt
    // of command `id` (AFX_IDS_IDLEMESSAGE: the idle message).
    void SetMessageText(const char* text);
    void SetMessageText(UINT id);
    // The message pane's text for command `id`: its prompt; the idle message for
    // AFX_IDS_IDLEMESSAGE.
    virtual void GetMessageString(UINT id, String& message) const;

    [[nodiscard]] View* GetActiveView() const { return activeView_; }
    // Makes `view` (one of the frame's, or null) the active view.
    void SetActiveView(View* view);
    // The active view's document; null without an active view.
    [[nodiscard]] Document* GetActiveDocument() const;

    // Shows the frame by the SW_ command (-1: SW_SHOWNORMAL) and brings it to the front.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Makes `document`'s views ready: every view's OnInitialUpdate, an active view when none is
    // set (the pane AFX_IDW_PANE_FIRST, else the first view), then ActivateFrame when asked.
    void InitialUpdateFrame(Document* document, BOOL makeVisible, int nCmdShow = -1);

    // Lays the frame's bars and client area out again; called when the frame's size changes.
    virtual void RecalcLayout();
    // Makes `child` (a child of this frame) fill the client area.
    void SetCentralWnd(Wnd& child);
    // Makes one view through `context` as the child `id` of the frame; null on failure.
    View* CreateView(const CreateContext& context, UINT id = AFX_IDW_PANE_FIRST);

    // The active view (and its document), the frame, then the application.
    BOOL OnCmdMsg(UINT id, int code, CmdUI* cmdUI) override;

    // The frame's accelerators: TRUE when the key is one of the table's. Its command is updated
    // through the route first and runs (WM_COMMAND to the frame) only when enabled.
    virtual BOOL TranslateFrameAccelerators(MSG* pMsg);
    // Keys reach the frame last of all its windows: its accelerators.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Adjusts the window's style and title before it is made; FALSE refuses the window. The
    // default keeps FWS_ADDTOTITLE and no title.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // WM_CREATE: the client area (OnCreateClient with LoadFrame's context); 0, or -1 to refuse.
    virtual int OnCreate();
    // Makes the client area; the default makes one view from the context and makes it central.
    virtual BOOL OnCreateClient(CreateContext* context);
    // The user or a WM_CLOSE asks the frame to close; the default closes the active document
    // (or, without one, destroys the frame). Override without calling the base to refuse.
    virtual void OnClose();

    // WM_CLOSE to OnClose; WM_SYSCOLORCHANGE to every descendant too.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void PostNcDestroy() override;

    // A bar's command (ID_VIEW_STATUS_BAR): the control bar of that id is hidden when shown and
    // shown when hidden; its update checks it while shown, and disables it without such a bar.
    void OnBarCheck(UINT id);
    void OnUpdateControlBarMenu(CmdUI* cmdUI);

private:
    View* activeView_ = nullptr;
    AcceleratorTable accelerators_;
    UINT resourceId_ = 0;
    // LoadFrame's context, while WM_CREATE runs.
    CreateContext* creating_ = nullptr;
};

}  // namespace platform::ui
