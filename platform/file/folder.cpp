#include "platform/file/folder.h"

#include "platform/text/codepage.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

bool IsFolder(const String& path) {
    struct stat st {};
    return ::stat(Utf8FromAnsi(path.view()).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FileError CreateFolder(const String& path) {
    if (path.IsEmpty()) return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    if (::mkdir(Utf8FromAnsi(path.view()).c_str(), 0777) != 0) return FileErrorFromErrno(errno, path);
    return {};
}

// One component at a time, from the root down; the loop runs once per '/' of the text.
FileError CreateFolderPath(const String& path) {
    const int last = path.ReverseFind('/');
    for (int slash = path.Find('/'); slash >= 0 && slash <= last; slash = path.Find('/', slash + 1)) {
        if (slash == 0) continue;  // the root
        const String folder = path.Left(slash);
        if (folder.GetAt(folder.GetLength() - 1) == '/') continue;  // "a//b"
        const FileError created = CreateFolder(folder);
        if (!created.Failed()) continue;
        if (created.error != ERROR_ALREADY_EXISTS) return created;
        if (!IsFolder(folder)) return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    }
    return {};
}

FileError RemoveFolder(const String& path) {
    if (path.IsEmpty()) return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    if (::rmdir(Utf8FromAnsi(path.view()).c_str()) != 0) return FileErrorFromErrno(errno, path);
    return {};
}

}  // namespace platform
