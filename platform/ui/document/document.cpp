#include "platform/ui/document/document.h"

#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/document/single_doc_template.h"
#include "platform/ui/document/view.h"

#include <algorithm>

namespace platform::ui {

Document::~Document() {
    for (View* view : views_) view->m_pDocument = nullptr;
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

void Document::AddView(View* view) {
    if (view->m_pDocument) view->m_pDocument->RemoveView(view);
    views_.push_back(view);
    view->m_pDocument = this;
}

void Document::RemoveView(View* view) {
    if (std::erase(views_, view) > 0) view->m_pDocument = nullptr;
}

void Document::UpdateAllViews(View* sender, LPARAM hint, Object* hintObject) {
    for (View* view : std::vector<View*>(views_)) {
        if (view != sender) view->OnUpdate(sender, hint, hintObject);
    }
}

BOOL Document::OnNewDocument() { return TRUE; }

void Document::OnCloseDocument() {
    std::vector<FrameWnd*> frames;
    for (const View* view : views_) {
        FrameWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end()) frames.push_back(frame);
    }
    const BOOL autoDelete = m_bAutoDelete;
    for (FrameWnd* frame : frames) frame->DestroyWindow();
    if (autoDelete) delete this;
}

}  // namespace platform::ui
