// A frame window: the top-level window (over a QMainWindow) that holds a document's views.
//
// The frame keeps its active view: the last view that got the focus, kept while a dialog or
// another window has it. Commands go to the active view (and its document), then the frame, then
// the application. WM_CLOSE reaches OnClose, which may refuse; by default it closes the document,
// whose OnCloseDocument destroys the frame. Frames live on the heap and delete themselves once
// destroyed; when the application's main window goes, the event loop ends. User-interface
// thread.
#pragma once

#include "platform/ui/document/create_context.h"
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
    FrameWnd() = default;
    ~FrameWnd() override;

    // Creates the frame's window (with the icon registered under `nIDResource`, when there is
    // one) from what PreCreateWindow left in the create struct, then sends it WM_CREATE, whose
    // OnCreate makes the client area through OnCreateClient(context); FALSE when either refuses,
    // and the frame is then destroyed (and deleted, as every destroyed frame).
    BOOL LoadFrame(UINT nIDResource, CreateContext* context = nullptr);

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

    // The frame's accelerators: TRUE when one of them took the key (and ran its command). The
    // frame here has none; a frame with a table overrides it.
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

private:
    View* activeView_ = nullptr;
    // LoadFrame's context, while WM_CREATE runs.
    CreateContext* creating_ = nullptr;
};

}  // namespace platform::ui
