#include "platform/system/process_info.h"

#include "platform/text/codepage.h"
#include "platform/file/file_error.h"

#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
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

Win32Error ResidentMemory(std::uint64_t& bytes) {
    bytes = 0;
    std::ifstream statm("/proc/self/statm");
    if (!statm) return ERROR_FILE_NOT_FOUND;
    std::uint64_t totalPages = 0;
    std::uint64_t residentPages = 0;
    if (!(statm >> totalPages >> residentPages)) return ERROR_INVALID_DATA;
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return ERROR_INVALID_DATA;
    bytes = residentPages * static_cast<std::uint64_t>(pageSize);
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
