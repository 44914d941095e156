#include "platform/ui/app/command_line_info.h"

namespace platform::ui {

void CommandLineInfo::ParseParam(const char* param, BOOL isFlag, BOOL) {
    if (isFlag || !m_strFileName.IsEmpty()) return;
    m_strFileName = param;
    m_nShellCommand = FileOpen;
}

void ParseArguments(CommandLineInfo& info, const std::vector<String>& arguments) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const String& argument = arguments[index];
        const bool isFlag = argument.GetLength() > 0 && (argument.GetAt(0) == '/' || argument.GetAt(0) == '-');
        const String param = isFlag ? argument.Mid(1) : argument;
        info.ParseParam(param, isFlag ? TRUE : FALSE, index + 1 == arguments.size() ? TRUE : FALSE);
    }
}

}  // namespace platform::ui
