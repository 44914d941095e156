// IZTFrameStatusBar: a main frame that has the process's status bar.
//
// Code that shows something in the bar of the main window (the company start-up shows the user
// and the company) reaches it through ZTGetMainWnd() as this interface; a main window that is not
// one of these has no bar, and the caller then leaves the bar alone. User-interface thread.
#pragma once

class CZTStatusBar;

class IZTFrameStatusBar {
public:
    virtual ~IZTFrameStatusBar() = default;

    // The frame's status bar; null while it has none.
    virtual CZTStatusBar* GetStatusBar() = 0;
};
