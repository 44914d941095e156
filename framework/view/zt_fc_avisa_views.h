// How the framework's generic views raise a hint: through their document, the framework
// document's side first when the document is one. User-interface thread.
#pragma once

#include "platform/win_types.h"

class CZTFCDocument;

namespace platform::ui {
class Object;
class View;
}  // namespace platform::ui

// The view's document as a framework document; null when it has none or another kind.
[[nodiscard]] CZTFCDocument* ZTFCDocumentoDe(const platform::ui::View& view);
// The document's UpdateAllViews(sender, hint, objeto); nothing when `sender` has no document.
void ZTFCAvisaViews(platform::ui::View& sender, platform::LPARAM hint, platform::ui::Object* objeto);
