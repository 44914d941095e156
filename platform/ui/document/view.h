// A view: a child window that shows its document.
//
// Views live on the heap and delete themselves when their window is destroyed; a view leaves its
// document then. A view that gets the focus becomes its frame's active view. Commands reach the
// view first, then its document. User-interface thread.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui {

class Document;
class FrameWnd;
class Object;
struct CreateContext;

class View : public Wnd {
public:
    View() = default;
    ~View() override;

    [[nodiscard]] Document* GetDocument() const { return m_pDocument; }
    // The nearest frame window among the view's parents; null when none.
    [[nodiscard]] FrameWnd* GetParentFrame() const;

    // Called once after the document is ready, before the frame shows; the default calls
    // OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();

    // The view, then its document.
    BOOL OnCmdMsg(UINT id, int code, CmdUI* cmdUI) override;

protected:
    friend class Document;
    friend View* CreateViewFromContext(const CreateContext& context, Wnd& parent, UINT id);

    // Makes the view's window as the child `id` of `parent`; the default makes a plain window.
    virtual BOOL CreateViewWindow(Wnd& parent, UINT id);

    // The document changed: `sender` made the change (null: not a view), `hint` and
    // `hintObject` say what changed. The default paints the view again.
    virtual void OnUpdate(View* sender, LPARAM hint, Object* hintObject);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    Document* m_pDocument = nullptr;
};

}  // namespace platform::ui
