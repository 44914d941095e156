// ZTAboutBox: the suite's about box, shown by a program's Help > About command.
//
// A small modal box through the window layer's one box routine (so a test's box hook answers
// it), owned by the main window, captioned "Sobre <title>", reading the program's title, the
// system code and the program's version. User-interface thread.
#pragma once

#include "platform/win_types.h"

// The version a frame passes: the version's high half as a file version holds it, major in the
// high 16 bits, minor in the low 16 (0x00010002 reads "1.2").
constexpr platform::DWORD ZT_VERSAO_KELVO = 0x00010000;

// Shows the box for `szTitulo` (the application title), `szSistema` (its system code) and
// `dwVersao` (the version, as above); returns when the user closed it.
void ZTAboutBox(const char* szTitulo, const char* szSistema, platform::DWORD dwVersao);
