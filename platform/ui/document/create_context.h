// What a frame needs to make its views: the document they show and a way to make a new view.
#pragma once

#include "platform/win_types.h"

#include <functional>

namespace platform::ui {

class Document;
class View;
class Wnd;

struct CreateContext {
    Document* m_pCurrentDoc = nullptr;
    // Makes a new view object (no window yet); empty when the frame makes its own.
    std::function<View*()> m_pNewViewClass;
};

// Makes a view through `context`, attaches it to the context's document and creates its window as
// the child `id` of `parent`; null (and nothing left behind) when either step fails.
View* CreateViewFromContext(const CreateContext& context, Wnd& parent, UINT id);

}  // namespace platform::ui
