#include "framework/form/zt_kelvo_form_view.h"

#include "framework/application/zt_fc_acesso.h"
#include "framework/form/zt_fc_controles.h"
#include "framework/view/zt_fc_hints.h"

void CZTKelvoFormView::OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* hintObject) {
    if (hint == ZTFC_HINT_EMPRESA_ABERTA) return ZTFCHabilitaControles(*this, platform::TRUE);
    CZTFCFormView::OnUpdate(sender, hint, hintObject);
}

void CZTKelvoFormView::OnIdleUpdateCmdUI() {
    if (ZTTemEmpresa()) return CZTFCFormView::OnIdleUpdateCmdUI();
    ZTFCHabilitaControles(*this, platform::FALSE);
}
