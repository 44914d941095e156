#include "platform/registry/registry_store.h"

#include "platform/registry/registry_format.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

namespace platform::registry_detail {

namespace {

// A store file larger than this is refused as malformed (a sane store is a few kilobytes).
constexpr std::size_t kMaxFileSize = std::size_t{64} << 20;
constexpr const char* kDefaultFolder = "/.local/share/kelvo/registry";

// An owned file descriptor.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }

    [[nodiscard]] int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_ = -1;
};

// What tells one store file from another. Every writer replaces the file by a rename, so a new
// content comes with a new inode; the parsed file is held open, so its inode number cannot be
// handed to another file while it is remembered. Size and times also take part, so that an edit
// in place by hand shows as well whenever it changes one of them.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0;  // nanoseconds
    long long changed = 0;   // nanoseconds
    bool operator==(const FileIdentity&) const = default;
};

constexpr long long kNanosecondsPerSecond = 1'000'000'000LL;

long long Nanoseconds(const struct timespec& time) { return time.tv_sec * kNanosecondsPerSecond + time.tv_nsec; }

FileIdentity IdentityOf(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)};
}

// What the process remembers of one root file: the tree last parsed or written, and the file it
// belongs to (no pin when the file was absent).
struct CachedFile {
    std::string path;
    Descriptor pin;
    FileIdentity identity;
    std::shared_ptr<const RegistryTree> tree;
    Win32Error error = ERROR_SUCCESS;

    [[nodiscard]] bool Describes(const std::string& filePath, const struct stat& info) const {
        return pin && path == filePath && identity == IdentityOf(info);
    }
};

std::mutex g_mutex;
std::array<CachedFile, 2> g_cache;
std::atomic<std::uint64_t> g_parsedFiles{0};

CachedFile& CacheOf(RootFile root) { return g_cache[root == RootFile::LocalMachine ? 0 : 1]; }

const char* FileStem(RootFile root) {
    return root == RootFile::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

std::shared_ptr<const RegistryTree> EmptyTree() {
    static const auto empty = std::make_shared<const RegistryTree>();
    return empty;
}

Win32Error ErrorFromErrno(int error, Win32Error fallback) {
    switch (error) {
        case EACCES: case EPERM: case EROFS: return ERROR_ACCESS_DENIED;
        case ENOSPC: case EDQUOT: return ERROR_DISK_FULL;
        case ENOENT: case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EMFILE: case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
        default: return fallback;
    }
}

void ReportMalformed(const std::string& path, const std::string& problem) {
    std::fprintf(stderr, "kelvo registry: %s is malformed (%s); it is left untouched and answers "
                 "ERROR_BADDB until it is repaired\n", path.c_str(), problem.c_str());
    syslog(LOG_ERR | LOG_USER, "kelvo registry: %s is malformed (%s)", path.c_str(), problem.c_str());
}

// Reads the whole of `fd` (at most kMaxFileSize + 1 bytes, so that an oversize file shows).
Win32Error ReadAll(int fd, std::string* text) {
    text->clear();
    char chunk[65536];
    while (text->size() <= kMaxFileSize) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ErrorFromErrno(errno, ERROR_CANTREAD);
        if (got == 0) break;
        text->append(chunk, static_cast<std::size_t>(got));
    }
    return ERROR_SUCCESS;
}

// Parses the open file `fd`; a malformed one yields ERROR_BADDB, no tree and the `problem`.
Win32Error ParseFile(int fd, const struct stat& info, std::shared_ptr<const RegistryTree>* tree,
                     std::string* problem) {
    g_parsedFiles.fetch_add(1, std::memory_order_relaxed);
    std::string text;
    problem->clear();
    if (!S_ISREG(info.st_mode)) {
        *problem = "not a regular file";
    } else if (static_cast<std::size_t>(info.st_size) > kMaxFileSize) {
        *problem = "larger than the store allows";
    } else {
        if (const Win32Error error = ReadAll(fd, &text)) return error;
        if (text.size() > kMaxFileSize) *problem = "larger than the store allows";
    }
    auto parsed = std::make_shared<RegistryTree>();
    if (problem->empty() && ParseRegistryText(text, parsed.get(), problem)) {
        *tree = std::move(parsed);
        return ERROR_SUCCESS;
    }
    tree->reset();
    return ERROR_BADDB;
}

// Remembers that `root` has no file at `path`: its content is the empty tree.
void RememberAbsent(CachedFile& cache, const std::string& path, std::shared_ptr<const RegistryTree>* tree) {
    cache = CachedFile{path, Descriptor(), FileIdentity{}, EmptyTree(), ERROR_SUCCESS};
    *tree = cache.tree;
}

// Opens and parses the file at `path` and remembers it, pinned, with what it answered.
Win32Error ParseLatest(CachedFile& cache, const std::string& path, std::shared_ptr<const RegistryTree>* tree) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) {
        if (errno != ENOENT) return ErrorFromErrno(errno, ERROR_CANTREAD);
        RememberAbsent(cache, path, tree);
        return ERROR_SUCCESS;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return ErrorFromErrno(errno, ERROR_CANTREAD);
    std::string problem;
    const Win32Error error = ParseFile(fd.get(), info, tree, &problem);
    if (error != ERROR_SUCCESS && error != ERROR_BADDB) return error;
    if (error == ERROR_BADDB) ReportMalformed(path, problem);
    cache = CachedFile{path, std::move(fd), IdentityOf(info), *tree, error};
    return error;
}

// The latest content of `root`'s file at `path`: what this process last parsed or wrote while the
// file is still that one, else the file parsed afresh.
Win32Error LoadLatest(RootFile root, const std::string& path, std::shared_ptr<const RegistryTree>* tree) {
    CachedFile& cache = CacheOf(root);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return ErrorFromErrno(errno, ERROR_CANTREAD);
        RememberAbsent(cache, path, tree);
        return ERROR_SUCCESS;
    }
    if (!cache.Describes(path, info)) return ParseLatest(cache, path, tree);
    *tree = cache.tree;
    return cache.error;
}

Win32Error WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return ErrorFromErrno(wrote < 0 ? errno : ENOSPC, ERROR_CANTWRITE);
        done += static_cast<std::size_t>(wrote);
    }
    return ERROR_SUCCESS;
}

// Makes the rename durable; the new content is already visible, so a failure here changes no
// answer and is not reported.
void SyncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.get());
}

// Replaces the file at `path` with `text` through a synced temporary file; on success `pin` holds
// the new file open and `identity` describes it. On failure the old file is untouched.
Win32Error ReplaceFile(const std::string& folder, const std::string& path, const std::string& text,
                       Descriptor* pin, FileIdentity* identity) {
    if (text.size() > kMaxFileSize) return ERROR_CANTWRITE;
    const std::string temporary = path + ".tmp";
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd) return ErrorFromErrno(errno, ERROR_CANTWRITE);
    struct stat old {};
    Win32Error error = ERROR_SUCCESS;
    // Whoever narrowed the old file's permissions meant them for the new one too.
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
        error = ErrorFromErrno(errno, ERROR_CANTWRITE);
    }
    if (!error) error = WriteAll(fd.get(), text);
    if (!error && ::fsync(fd.get()) != 0) error = ErrorFromErrno(errno, ERROR_CANTWRITE);
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0) error = ErrorFromErrno(errno, ERROR_CANTWRITE);
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return ErrorFromErrno(errno, ERROR_CANTWRITE);
    *identity = IdentityOf(info);
    *pin = std::move(fd);
    return ERROR_SUCCESS;
}

Win32Error LockRoot(const std::string& folder, RootFile root, Descriptor* lock) {
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) return ErrorFromErrno(failure.value(), ERROR_CANTWRITE);
    const std::string path = folder + "/" + FileStem(root) + ".lock";
    Descriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!fd) return ErrorFromErrno(errno, ERROR_CANTWRITE);
    while (::flock(fd.get(), LOCK_EX) != 0) {
        if (errno != EINTR) return ErrorFromErrno(errno, ERROR_LOCK_VIOLATION);
    }
    *lock = std::move(fd);
    return ERROR_SUCCESS;
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir) {
        return found->pw_dir;
    }
    return {};
}

}  // namespace

std::string StoreFolder() {
    if (const char* folder = std::getenv("KELVO_REGISTRY"); folder && *folder) return folder;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + kDefaultFolder;
}

std::string RootFilePath(RootFile root) {
    const std::string folder = StoreFolder();
    return folder.empty() ? std::string() : folder + "/" + FileStem(root) + ".txt";
}

Win32Error ReadRoot(RootFile root, const ReadAction& read) {
    std::lock_guard lock(g_mutex);
    const std::string path = RootFilePath(root);
    if (path.empty()) return ERROR_PATH_NOT_FOUND;
    std::shared_ptr<const RegistryTree> tree;
    if (const Win32Error error = LoadLatest(root, path, &tree)) return error;
    return read(*tree);
}

Win32Error UpdateRoot(RootFile root, const ChangeAction& change) {
    std::lock_guard lock(g_mutex);
    const std::string folder = StoreFolder();
    if (folder.empty()) return ERROR_PATH_NOT_FOUND;
    const std::string path = RootFilePath(root);
    Descriptor fileLock;
    if (const Win32Error error = LockRoot(folder, root, &fileLock)) return error;

    std::shared_ptr<const RegistryTree> latest;
    if (const Win32Error error = LoadLatest(root, path, &latest)) return error;
    auto edited = std::make_shared<RegistryTree>(*latest);
    bool changed = false;
    if (const Win32Error error = change(*edited, changed); error || !changed) return error;

    Descriptor pin;
    FileIdentity identity;
    if (const Win32Error error = ReplaceFile(folder, path, FormatRegistryText(*edited), &pin, &identity)) {
        return error;
    }
    CacheOf(root) = CachedFile{path, std::move(pin), identity, std::move(edited), ERROR_SUCCESS};
    return ERROR_SUCCESS;
}

std::uint64_t ParsedFileCount() { return g_parsedFiles.load(std::memory_order_relaxed); }

}  // namespace platform::registry_detail
