// The frame's own command ids and the control ids of its bars, with their values on the original
// platform.
#pragma once

#include "platform/win_types.h"

namespace platform::ui {

constexpr UINT ID_APP_ABOUT = 57664;
// Asks the main window to close (WM_CLOSE: the close path, where OnClose may refuse).
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_HELP_INDEX = 57666;
constexpr UINT ID_HELP = 57670;
// Show or hide the toolbar and the status bar; each bar's control id is its command's id.
constexpr UINT ID_VIEW_TOOLBAR = 59392;
constexpr UINT ID_VIEW_STATUS_BAR = 59393;

constexpr UINT AFX_IDW_TOOLBAR = ID_VIEW_TOOLBAR;

// The frame's sides a control bar docks along.
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;

// The string the message pane shows while no menu item is hovered; the layer's text ("Pronto")
// unless the program registers its own.
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;

}  // namespace platform::ui
