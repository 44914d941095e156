// The tab pages of a form or dialog, and focusing a control that may sit on one of them.
//
// A form's or dialog's pages are the windows its first tab control holds as item data, one per
// tab, in tab order; they are usually framework dialogs. User-interface thread.
#pragma once

#include "platform/win_types.h"

#include <vector>

class CZTTabCtrl;

namespace platform::ui {
class TabCtrl;
class Wnd;
}

// The window's first child tab control when it is the suite's; null otherwise.
[[nodiscard]] CZTTabCtrl* ZTFCGetTabCtrl(const platform::ui::Wnd& janela);

// The page windows of the window's first tab control, in tab order; tabs whose item data names
// no live window are left out. Empty without a tab control.
[[nodiscard]] std::vector<platform::ui::Wnd*> ZTFCGetPaginas(const platform::ui::Wnd& janela);

// Focuses control `nIdControle` of the form as WM_NEXTDLGCTL(control, TRUE) does: the form's own
// control, else the control of the first page that has it and that the tab control lets be
// selected, after selecting that page. Returns the control; null (nothing moves) when none.
platform::ui::Wnd* ZTFCFocaControle(platform::ui::Wnd& form, platform::UINT nIdControle);
