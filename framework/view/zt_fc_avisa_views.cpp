#include "framework/view/zt_fc_avisa_views.h"

#include "framework/data/zt_fc_dados.h"
#include "framework/document/zt_fc_document.h"
#include "platform/ui/document/view.h"

CZTFCDocument* ZTFCDocumentoDe(const platform::ui::View& view) {
    return dynamic_cast<CZTFCDocument*>(view.GetDocument());
}

void ZTFCAvisaViews(platform::ui::View& sender, platform::LPARAM hint, platform::ui::Object* objeto) {
    if (CZTFCDocument* documento = ZTFCDocumentoDe(sender)) {
        documento->UpdateAllViews(&sender, hint, objeto);
        return;
    }
    if (platform::ui::Document* documento = sender.GetDocument()) documento->UpdateAllViews(&sender, hint, objeto);
}
