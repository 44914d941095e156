#include "platform/ui/document/single_doc_template.h"

#include "platform/ui/app/win_app.h"
#include "platform/ui/document/create_context.h"
#include "platform/ui/document/document.h"
#include "platform/ui/document/frame_wnd.h"
#include "platform/ui/resource/resources.h"

namespace platform::ui {

SingleDocTemplate::SingleDocTemplate(UINT nIDResource, String documentString, DocumentFactory newDocument,
                                     FrameFactory newFrame, ViewFactory newView)
    : resourceId_(nIDResource),
      documentString_(std::move(documentString)),
      newDocument_(std::move(newDocument)),
      newFrame_(std::move(newFrame)),
      newView_(std::move(newView)) {}

SingleDocTemplate::~SingleDocTemplate() {
    if (!document_) return;
    document_->m_pDocTemplate = nullptr;
    delete document_;
}

Document* SingleDocTemplate::OpenDocumentFile(const char* path, BOOL makeVisible) {
    if (path || document_) return nullptr;
    Document* document = newDocument_();
    if (!document) return nullptr;
    document->m_pDocTemplate = this;
    document_ = document;

    FrameWnd* frame = CreateNewFrame(*document);
    if (!frame) {
        delete document;
        return nullptr;
    }
    if (!document->OnNewDocument()) {
        frame->DestroyWindow();
        delete document;
        return nullptr;
    }
    WinApp* app = AfxGetApp();
    if (app) app->m_pMainWnd = frame;
    frame->InitialUpdateFrame(document, makeVisible, app ? app->m_nCmdShow : -1);
    return document;
}

void SingleDocTemplate::RemoveDocument(Document* document) {
    if (document_ == document) document_ = nullptr;
}

FrameWnd* SingleDocTemplate::CreateNewFrame(Document& document) {
    FrameWnd* frame = newFrame_();
    if (!frame) return nullptr;
    CreateContext context{&document, newView_};
    // A frame that fails to load has destroyed and deleted itself.
    if (!frame->LoadFrame(resourceId_, &context)) return nullptr;
    if (!(frame->GetStyle() & FWS_ADDTOTITLE)) return frame;
    String title;
    AfxExtractSubString(title, documentString_, 0);
    frame->SetWindowText(title);
    return frame;
}

}  // namespace platform::ui
