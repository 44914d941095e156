// The template of a single-document program: which document, frame and view classes it makes.
//
// The factories return new objects without windows; the template makes them in the order the
// callers rely on (document, frame, views, OnNewDocument, main window, initial updates, showing).
// It holds its one document until that document is closed, and deletes one still open when the
// template goes. The application owns its templates. User-interface thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

#include <functional>

namespace platform::ui {

class Document;
class FrameWnd;
class View;

class SingleDocTemplate {
public:
    using DocumentFactory = std::function<Document*()>;
    using FrameFactory = std::function<FrameWnd*()>;
    using ViewFactory = std::function<View*()>;

    // `documentString` is the resource's "\n"-separated text; its first piece is the window
    // title.
    SingleDocTemplate(UINT nIDResource, String documentString, DocumentFactory newDocument, FrameFactory newFrame,
                      ViewFactory newView);
    ~SingleDocTemplate();
    SingleDocTemplate(const SingleDocTemplate&) = delete;
    SingleDocTemplate& operator=(const SingleDocTemplate&) = delete;

    // Makes a new document (a null `path`) with its frame and views, makes the frame the
    // application's main window and shows it; null (with the document and frame destroyed) when
    // OnNewDocument refuses or a window cannot be made. Opening a file is not supported: null.
    Document* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE);

    [[nodiscard]] Document* GetDocument() const { return document_; }
    [[nodiscard]] UINT GetResourceID() const { return resourceId_; }
    [[nodiscard]] const String& GetDocString() const { return documentString_; }
    // Forgets `document` (it is being deleted).
    void RemoveDocument(Document* document);

private:
    FrameWnd* CreateNewFrame(Document& document);

    UINT resourceId_;
    String documentString_;
    DocumentFactory newDocument_;
    FrameFactory newFrame_;
    ViewFactory newView_;
    Document* document_ = nullptr;
};

}  // namespace platform::ui
