#include "platform/system/process_info.h"

#include "platform/text/codepage.h"
#include "platform/file/file_error.h"

#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace platform {

Win32Error ModulePath(String& path) {
    path.Empty();
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return FileErrorFromErrno(errno).error;
    if (static_cast<size_t>(length) >= buffer.size()) return ERROR_INSUFFICIENT_BUFFER;
    buffer.resize(static_cast<size_t>(length));
    path = String(AnsiFromUtf8(buffer));
    return ERROR_SUCCESS;
}

Win32Error HostName(String& name) {
    name.Empty();
    char buffer[HOST_NAME_MAX + 1] = {};
    if (::gethostname(buffer, sizeof buffer) != 0) return FileErrorFromErrno(errno).error;
    buffer[HOST_NAME_MAX] = '\0';
    name = String(AnsiFromUtf8(buffer));
    return ERROR_SUCCESS;
}

}  // namespace platform
