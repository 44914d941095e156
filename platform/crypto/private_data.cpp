#include "platform/crypto/private_data.h"

#include "platform/text/codepage.h"
#include "platform/file/file_error.h"
#include "platform/file/folder.h"
#include "platform/registry/registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace platform {

namespace {

constexpr const char* kPrivateFolder = "private";
constexpr int kMaxKeyNameBytes = 255;

// Closes a descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

bool IsValidKeyName(const String& keyName) {
    const std::string_view name = keyName.view();
    if (name.empty() || name.size() > kMaxKeyNameBytes || name == "." || name == "..") return false;
    return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

String PrivateFolder() {
    const std::string store = Registry::StoreFolder();
    if (store.empty()) return {};
    return String(AnsiFromUtf8(store) + "/" + kPrivateFolder);
}

Win32Error ErrorOf(int errnum, const String& path) { return FileErrorFromErrno(errnum, path).error; }

// Makes the store's folder and its private folder (owner only) when they are missing.
Win32Error MakePrivateFolder(const String& folder) {
    if (const FileError parent = CreateFolderPath(folder); parent.Failed()) return parent.error;
    if (::mkdir(Utf8FromAnsi(folder.view()).c_str(), 0700) != 0 && errno != EEXIST) return ErrorOf(errno, folder);
    return ERROR_SUCCESS;
}

Win32Error WriteAll(int fd, std::string_view data, const String& path) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? ErrorOf(errno, path) : ERROR_WRITE_FAULT;
        done += static_cast<size_t>(n);
    }
    return ::fsync(fd) == 0 ? ERROR_SUCCESS : ErrorOf(errno, path);
}

// Only a regular file of this user that nobody else may read or write holds a usable secret.
bool IsOwnerOnly(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

Win32Error ReadAll(int fd, std::size_t size, std::string& data, const String& path) {
    data.resize(size);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data.data() + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ErrorOf(errno, path);
        if (n == 0) break;  // the file was cut while being read: keep what is there
        done += static_cast<size_t>(n);
    }
    data.resize(done);
    return ERROR_SUCCESS;
}

}  // namespace

String PrivateDataPath(const String& keyName) {
    if (!IsValidKeyName(keyName)) return {};
    const String folder = PrivateFolder();
    return folder.IsEmpty() ? String() : folder + "/" + keyName;
}

Win32Error StorePrivateData(const String& keyName, std::string_view data) {
    if (!IsValidKeyName(keyName) || data.size() > kMaxPrivateDataBytes) return ERROR_INVALID_PARAMETER;
    const String folder = PrivateFolder();
    if (folder.IsEmpty()) return ERROR_PATH_NOT_FOUND;
    if (const Win32Error error = MakePrivateFolder(folder)) return error;
    const String path = folder + "/" + keyName;
    std::string temporary = Utf8FromAnsi((folder + "/.secret.XXXXXX").view());
    // mkstemp makes the file with mode 0600, so the secret is never readable by others.
    Descriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid()) return ErrorOf(errno, folder);
    Win32Error error = WriteAll(fd.get(), data, path);
    if (!error && ::rename(temporary.c_str(), Utf8FromAnsi(path.view()).c_str()) != 0) error = ErrorOf(errno, path);
    if (error) ::unlink(temporary.c_str());
    return error;
}

Win32Error RetrievePrivateData(const String& keyName, std::string& data) {
    data.clear();
    if (!IsValidKeyName(keyName)) return ERROR_INVALID_PARAMETER;
    const String path = PrivateDataPath(keyName);
    if (path.IsEmpty()) return ERROR_PATH_NOT_FOUND;
    // O_NOFOLLOW: a link put in place of the secret is refused, not followed.
    Descriptor fd(::open(Utf8FromAnsi(path.view()).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        if (errno == ENOENT) return ERROR_FILE_NOT_FOUND;  // also when no secret was ever stored
        return errno == ELOOP ? ERROR_ACCESS_DENIED : ErrorOf(errno, path);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return ErrorOf(errno, path);
    if (!IsOwnerOnly(st)) return ERROR_ACCESS_DENIED;
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > kMaxPrivateDataBytes) return ERROR_INVALID_DATA;
    const Win32Error error = ReadAll(fd.get(), static_cast<std::size_t>(st.st_size), data, path);
    if (error) data.clear();
    return error;
}

}  // namespace platform
