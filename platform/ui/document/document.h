// A document: the data a program shows, told to its views through update hints.
//
// A document keeps its views in the order they were created and knows nothing of how they draw.
// It is made by its template, which owns it until OnCloseDocument destroys its frames and (with
// m_bAutoDelete, the default) deletes it. Commands reach it after its active view. User-interface
// thread.
#pragma once

#include "platform/ui/command/cmd_target.h"

#include <vector>

namespace platform::ui {

class Object;
class SingleDocTemplate;
class View;

class Document : public CmdTarget {
public:
    Document() = default;
    ~Document() override;

    // Adds `view` (at the end) and makes this its document.
    void AddView(View* view);
    // Removes `view`; nothing when it is not one of ours.
    void RemoveView(View* view);
    // The views, oldest first.
    [[nodiscard]] const std::vector<View*>& GetViews() const { return views_; }

    // Calls OnUpdate(sender, hint, hintObject) of every view but `sender` (null: every view).
    void UpdateAllViews(View* sender, LPARAM hint = 0, Object* hintObject = nullptr);

    // Prepares a new, empty document; FALSE refuses it (the template then destroys the document
    // and its frame). The default accepts.
    virtual BOOL OnNewDocument();
    // Destroys every frame that shows the document, then deletes the document when
    // m_bAutoDelete is set.
    virtual void OnCloseDocument();

    [[nodiscard]] SingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    BOOL m_bAutoDelete = TRUE;
    // Set by the template that made the document.
    SingleDocTemplate* m_pDocTemplate = nullptr;

private:
    std::vector<View*> views_;
};

}  // namespace platform::ui
