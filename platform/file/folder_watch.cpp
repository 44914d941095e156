#include "platform/file/folder_watch.h"

#include "platform/text/codepage.h"

#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace platform {

namespace {

// File systems whose every change passes through this machine's kernel.
bool IsLocalFileSystem(const std::string& path) {
    struct statfs info {};
    if (::statfs(path.c_str(), &info) != 0) return false;
    static constexpr std::array<unsigned long, 6> kLocal = {
        EXT4_SUPER_MAGIC, XFS_SUPER_MAGIC, BTRFS_SUPER_MAGIC, TMPFS_MAGIC, F2FS_SUPER_MAGIC, OVERLAYFS_SUPER_MAGIC};
    const auto type = static_cast<unsigned long>(info.f_type);
    for (const unsigned long local : kLocal) {
        if (type == local) return true;
    }
    return false;
}

constexpr std::uint32_t kArrivals = IN_CREATE | IN_MOVED_TO;
// Notices after which the watch no longer describes the folder at its path.
constexpr std::uint32_t kWatchLost = IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT;
// A folder that keeps filling the queue faster than it is read counts as lost rather than
// holding its reader for ever.
constexpr int kMaxReads = 1024;

}  // namespace

FolderWatch::~FolderWatch() { Stop(); }

void FolderWatch::Stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool FolderWatch::StillNamesTheFolder() const {
    struct stat info {};
    return ::stat(path_.c_str(), &info) == 0 && info.st_dev == device_ && info.st_ino == inode_;
}

bool FolderWatch::Start(const String& folder) {
    Stop();
    path_ = Utf8FromAnsi(folder.view());
    struct stat before {};
    if (::stat(path_.c_str(), &before) != 0 || !S_ISDIR(before.st_mode) || !IsLocalFileSystem(path_)) return false;
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return false;
    device_ = before.st_dev;
    inode_ = before.st_ino;
    // The path must name the same folder after the watch as before it, or the watch is on another.
    if (::inotify_add_watch(fd_, path_.c_str(), kArrivals | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR) < 0 ||
        !StillNamesTheFolder()) {
        Stop();
        return false;
    }
    return true;
}

bool FolderWatch::TakeArrivals(std::vector<String>& names) {
    if (fd_ < 0) return false;
    if (!StillNamesTheFolder()) {
        Stop();
        return false;
    }
    alignas(inotify_event) char buffer[64 * 1024];
    for (int reads = 0; reads < kMaxReads; ++reads) {
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && errno == EAGAIN) return true;
        if (got <= 0) break;
        for (std::size_t at = 0; at + sizeof(inotify_event) <= static_cast<std::size_t>(got);) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            if (event.mask & kWatchLost) {
                Stop();
                return false;
            }
            const char* name = buffer + at + sizeof event;
            if ((event.mask & kArrivals) && event.len > 0) {
                names.emplace_back(AnsiFromUtf8(std::string_view(name, ::strnlen(name, event.len))));
            }
            at += sizeof event + event.len;
        }
    }
    Stop();
    return false;
}

}  // namespace platform
