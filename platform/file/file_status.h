// What the file system says about one file or folder: size, last-write time and attributes.
//
// Attributes keep the original platform's bit values. There is no read-only flag on Linux: a
// file counts as read-only when its mode has no write bit at all (nobody may write it). Pure
// query, safe from any thread.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

#include <cstdint>

namespace platform {

struct FileStatus {
    enum Attribute : unsigned char {
        normal = 0x00,
        readOnly = 0x01,
        directory = 0x10,
    };

    std::int64_t m_mtime = 0;      // last write, seconds since 1970-01-01 UTC
    std::uint64_t m_size = 0;      // bytes
    unsigned char m_attribute = normal;
    String m_szFullName;           // the path asked about, as given
};

// Fills `status` for `path` (Windows-1252; symbolic links followed). ERROR_SUCCESS, or the Win32
// error of the failure (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ...); status is reset then.
[[nodiscard]] Win32Error GetFileStatus(const String& path, FileStatus& status);

}  // namespace platform
