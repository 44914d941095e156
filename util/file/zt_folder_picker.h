// The folder picker that remembers the last folder chosen, per user.
//
// The picker itself is the window layer's (platform::Interaction::ChooseFolder); without a window
// layer every pick is cancelled. The last folder is the current user's registry value
// "LastDirectorySearch" of "Software\Quorvel\Kelvo Empresarial". Call from the thread that owns
// the windows.
#pragma once

#include "util/text/zt_string.h"

// Lets the user pick a folder, starting at the last one; returns the folder picked, or the last
// folder (empty when none) when the picker was cancelled or gave no path. The result is stored
// as the new last folder (a registry failure is ignored).
[[nodiscard]] CZTString ZTEscolheDiretorio();
