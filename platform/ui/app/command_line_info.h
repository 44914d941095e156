// What the command line asks the program to do, and how its arguments are split.
//
// Each argument that starts with '/' or '-' is a switch (the text after that character), any
// other is a parameter; each goes to ParseParam, which programs override to take their own. The
// base knows only files: a parameter is the file to open; without one a new file is made.
// No Qt; any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win_types.h"

#include <vector>

namespace platform::ui {

class CommandLineInfo {
public:
    enum ShellCommand { FileNew = 0, FileOpen = 1, FileNothing = -1 };

    CommandLineInfo() = default;
    virtual ~CommandLineInfo() = default;

    // One argument: `param` without its '/' or '-' when `isFlag`; `isLast` for the last one.
    // The base takes a parameter as the file to open and ignores switches.
    virtual void ParseParam(const char* param, BOOL isFlag, BOOL isLast);

    ShellCommand m_nShellCommand = FileNew;
    String m_strFileName;
};

// Hands each of `arguments` (the program's name excluded) to info.ParseParam.
void ParseArguments(CommandLineInfo& info, const std::vector<String>& arguments);

}  // namespace platform::ui
