// The seam through which code without windows asks the user something.
//
// util/ and the server must show a message box, pick a folder or load a string-table text
// without knowing whether a window layer exists. The window layer installs its Interaction at
// start-up; until then (the server, tests, the terminal) the default one writes every message to
// syslog and standard error, answers with the box's default button at once, cancels every folder
// picker and finds no string-table text. It never blocks. Install and use from one thread.
#pragma once

#include "platform/text/string.h"

#include <optional>

namespace platform {

// Message-box types and answers, with their values on the original platform.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class Interaction {
public:
    virtual ~Interaction() = default;
    // Shows text under caption; `owned` asks for the application's main window as owner.
    // Returns the answer (IDOK, IDYES, ...).
    virtual int ShowMessage(const String& text, const String& caption, unsigned type, bool owned) = 0;
    // Lets the user pick a folder, starting at `start`; nullopt when cancelled.
    virtual std::optional<String> ChooseFolder(const String& start) = 0;
    // The program's string-table text for `id`; empty when there is none.
    virtual String LoadText(unsigned id) = 0;
};

// The answer a box of `type` gives when its default button is pressed.
[[nodiscard]] int DefaultAnswer(unsigned type);

// Installs `interaction` (not owned; null restores the default) and returns the previous one.
Interaction* SetInteraction(Interaction* interaction);
[[nodiscard]] Interaction& CurrentInteraction();

}  // namespace platform
