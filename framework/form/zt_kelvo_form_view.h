// CZTKelvoFormView: the suite's record form, usable only while a company is open.
//
// Hint 10 (a company was opened) enables every control; while no company is selected the idle
// update keeps them disabled (statics and IDCANCEL aside). User-interface thread.
#pragma once

#include "framework/form/zt_fc_form_view.h"

class CZTKelvoFormView : public CZTFCFormView {
public:
    using CZTFCFormView::CZTFCFormView;

protected:
    void OnUpdate(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* hintObject) override;
    // The framework form's idle update with a company; without one, every control disabled.
    void OnIdleUpdateCmdUI() override;
};
