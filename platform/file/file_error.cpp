#include "platform/file/file_error.h"

#include "platform/text/codepage.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

namespace platform {

namespace {

// The folder that holds the last component of `utf8Path` ("." for a bare name).
std::string ParentFolder(std::string utf8Path) {
    while (utf8Path.size() > 1 && utf8Path.back() == '/') utf8Path.pop_back();
    const size_t slash = utf8Path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return utf8Path.substr(0, slash);
}

bool IsFolder(const std::string& utf8Path) {
    struct stat st {};
    return ::stat(utf8Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FileError MissingName(const String& path) {
    if (!path.IsEmpty() && !IsFolder(ParentFolder(Utf8FromAnsi(path.view())))) {
        return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    }
    return {FileException::fileNotFound, ERROR_FILE_NOT_FOUND};
}

}  // namespace

FileError FileErrorFromErrno(int errnum, const String& path) {
    switch (errnum) {
        case 0: return {};
        case ENOENT: return MissingName(path);
        case ENOTDIR: return {FileException::badPath, ERROR_PATH_NOT_FOUND};
        case ELOOP: return {FileException::badPath, ERROR_BAD_PATHNAME};
        case ENAMETOOLONG: return {FileException::badPath, ERROR_FILENAME_EXCED_RANGE};
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EBADF: return {FileException::accessDenied, ERROR_ACCESS_DENIED};
        case EMFILE:
        case ENFILE: return {FileException::tooManyOpenFiles, ERROR_TOO_MANY_OPEN_FILES};
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return {FileException::diskFull, ERROR_DISK_FULL};
        case EIO: return {FileException::hardIO, ERROR_GEN_FAILURE};
        case ETXTBSY:
        case EBUSY: return {FileException::sharingViolation, ERROR_SHARING_VIOLATION};
        case EAGAIN:
        case ENOLCK:
        case EDEADLK: return {FileException::lockViolation, ERROR_LOCK_VIOLATION};
        case EEXIST: return {FileException::genericException, ERROR_ALREADY_EXISTS};
        case ENOTEMPTY: return {FileException::genericException, ERROR_DIR_NOT_EMPTY};
        case ENOMEM: return {FileException::genericException, ERROR_NOT_ENOUGH_MEMORY};
        case EINVAL: return {FileException::genericException, ERROR_INVALID_PARAMETER};
        case ESPIPE: return {FileException::badSeek, ERROR_INVALID_FUNCTION};
        default: return {FileException::genericException, ERROR_GEN_FAILURE};
    }
}

void ThrowFileError(const FileError& error, const String& fileName) {
    throw FileException(error.cause, static_cast<long>(error.error), fileName);
}

}  // namespace platform
