// The one translation of a system error number (errno) into what the file layer's callers expect:
// a Win32 error number and the file exception's cause.
//
// Every file and folder operation of platform/ reports its failures through this map, so that
// "missing file", "missing folder", "no permission" and the rest mean the same everywhere. Pure
// functions apart from one look at the disk (is the parent folder there?); safe from any thread.
#pragma once

#include "platform/exception.h"
#include "platform/text/string.h"
#include "platform/win32_error.h"

namespace platform {

struct FileError {
    FileException::Cause cause = FileException::none;
    Win32Error error = ERROR_SUCCESS;

    [[nodiscard]] bool Failed() const { return error != ERROR_SUCCESS; }
    friend bool operator==(const FileError&, const FileError&) = default;
};

// The cause and Win32 error of errno `errnum` raised by an operation on `path` (Windows-1252).
// A missing name (ENOENT) is fileNotFound / ERROR_FILE_NOT_FOUND when the folder that should hold
// it exists, else badPath / ERROR_PATH_NOT_FOUND; a path component that is not a folder is
// badPath / ERROR_PATH_NOT_FOUND; no permission, a read-only file system, a folder where a file
// was expected, or an operation the handle's access does not allow (EBADF) are accessDenied /
// ERROR_ACCESS_DENIED; a name too long is badPath / ERROR_FILENAME_EXCED_RANGE; 0 is success.
[[nodiscard]] FileError FileErrorFromErrno(int errnum, const String& path = {});

// Throws, by value, the file exception of `error` for the file `fileName`.
[[noreturn]] void ThrowFileError(const FileError& error, const String& fileName);

}  // namespace platform
