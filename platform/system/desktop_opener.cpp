#include "platform/system/desktop_opener.h"

#include "platform/system/process_spawn.h"
#include "platform/text/codepage.h"

namespace platform {

Win32Error OpenWithDesktop(const String& path) {
    pid_t opener = 0;
    return SpawnDetached({"xdg-open", Utf8FromAnsi(path.view())}, &opener);
}

}  // namespace platform
