// Runs the application object: what main calls after constructing it.
#pragma once

#include "platform/ui/app/win_app.h"

namespace platform::ui {

// Makes the Qt application (or uses the one that exists), installs the layer's seams (its
// message boxes and folder picker for code without windows, the screen's resolution), runs
// InitInstance inside the dispatch boundary, the event loop when it answered TRUE and left a main
// window (the loop ends when that window is destroyed), and returns
// ExitInstance's result; the seams are taken away again before returning.
int RunApplication(WinApp& app, int argc, char** argv);

}  // namespace platform::ui
