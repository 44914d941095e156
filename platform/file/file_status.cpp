#include "platform/file/file_status.h"

#include "platform/text/codepage.h"
#include "platform/file/file_error.h"

#include <sys/stat.h>

#include <cerrno>

namespace platform {

Win32Error GetFileStatus(const String& path, FileStatus& status) {
    status = FileStatus{};
    struct stat st {};
    if (path.IsEmpty()) return ERROR_PATH_NOT_FOUND;
    if (::stat(Utf8FromAnsi(path.view()).c_str(), &st) != 0) return FileErrorFromErrno(errno, path).error;
    status.m_mtime = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    status.m_size = static_cast<std::uint64_t>(st.st_size);
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) status.m_attribute |= FileStatus::readOnly;
    if (S_ISDIR(st.st_mode)) status.m_attribute |= FileStatus::directory;
    status.m_szFullName = path;
    return ERROR_SUCCESS;
}

}  // namespace platform
