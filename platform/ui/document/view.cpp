#include "platform/ui/document/view.h"

#include "platform/ui/document/create_context.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/frame_wnd.h"

#include <QWidget>

namespace platform::ui {

namespace {

void LeaveFrame(View& view) {
    FrameWnd* frame = view.GetParentFrame();
    if (frame && frame->GetActiveView() == &view) frame->SetActiveView(nullptr);
}

}  // namespace

View::~View() {
    LeaveFrame(*this);
    if (m_pDocument) m_pDocument->RemoveView(this);
}

FrameWnd* View::GetParentFrame() const {
    for (Wnd* parent = GetParent(); parent; parent = parent->GetParent()) {
        if (auto* frame = dynamic_cast<FrameWnd*>(parent)) return frame;
    }
    return nullptr;
}

BOOL View::CreateViewWindow(Wnd& parent, UINT id) { return Create(&parent, id); }

void View::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void View::OnUpdate(View*, LPARAM, Object*) { Invalidate(); }

BOOL View::OnCmdMsg(UINT id, int code, CmdUI* cmdUI) {
    if (HandleOwnCommand(id, code, cmdUI)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(id, code, cmdUI) ? TRUE : FALSE;
}

LRESULT View::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) LeaveFrame(*this);
    return Wnd::WindowProc(message, wParam, lParam);
}

void View::PostNcDestroy() { delete this; }

View* CreateViewFromContext(const CreateContext& context, Wnd& parent, UINT id) {
    View* view = context.m_pNewViewClass ? context.m_pNewViewClass() : nullptr;
    if (!view) return nullptr;
    if (context.m_pCurrentDoc) context.m_pCurrentDoc->AddView(view);
    if (!view->CreateViewWindow(parent, id)) {
        delete view;
        return nullptr;
    }
    view->GetWidget()->setFocusPolicy(Qt::StrongFocus);
    return view;
}

}  // namespace platform::ui
