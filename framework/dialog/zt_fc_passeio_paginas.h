// The walk of Tab and Enter across the pages of nested tab controls: from the last (first) tab
// stop of a page on to the next (previous) page, up to the page that holds the tab control when
// its pages are used up, and down into a tab control's selected page. User-interface thread.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {
class Wnd;
}

// Moves the focus from `focada` (inside `dialogo`) one tab stop on (`bVolta`: back) as the
// pages demand; FALSE, with nothing moved, when `dialogo` is no page of a suite tab control or
// holds no such window, so that the dialog manager moves the focus.
platform::BOOL ZTFCPasseiaPaginas(platform::ui::Wnd& dialogo, platform::ui::Wnd* focada, bool bVolta);
