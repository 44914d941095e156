// The status bar's resources, registered in the framework's module: the panes' initial texts
// (548: 48 blanks, 550: 43 blanks, 551-553: one blank) and its pictures, drawn here in code (the
// three save states, the two icons, the three animation frames). Once per process; any thread.
#pragma once

void ZTRegistraRecursosStatusBar();
