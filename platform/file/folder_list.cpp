#include "platform/file/folder_list.h"

#include "platform/text/codepage.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace platform {

namespace {

struct CloseDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsFolderEntry(DIR* dir, const dirent& entry) {
    if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
    struct stat st {};
    return ::fstatat(::dirfd(dir), entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

FileError ListFolder(const String& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    if (folder.IsEmpty()) return {FileException::badPath, ERROR_PATH_NOT_FOUND};
    std::unique_ptr<DIR, CloseDir> dir(::opendir(Utf8FromAnsi(folder.view()).c_str()));
    // A missing folder is judged as the name pattern inside it would be: its folder is missing.
    if (!dir) return FileErrorFromErrno(errno, folder + "/*");
    // Ends at the end of the folder, which the file system keeps finite.
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry) break;
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        entries.push_back({String(AnsiFromUtf8(entry->d_name)), IsFolderEntry(dir.get(), *entry), entry->d_name[0] == '.'});
    }
    if (errno != 0) return FileErrorFromErrno(errno, folder);
    return {};
}

}  // namespace platform
