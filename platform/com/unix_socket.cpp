#include "platform/com/unix_socket.h"

#include "platform/win32_error.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/un.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform::com {

namespace {

// Pending connections the kernel keeps before the loop accepts them.
constexpr int kBacklog = 64;

bool AddressOf(const std::string& path, sockaddr_un* address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address->sun_path) return false;
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

HRESULT HResultOfErrno(int errnum) {
    switch (errnum) {
        case EACCES:
        case EPERM: return E_ACCESSDENIED;
        case ENAMETOOLONG: return HResultFromWin32(ERROR_FILENAME_EXCED_RANGE);
        case ENOENT: return HResultFromWin32(ERROR_PATH_NOT_FOUND);
        default: return E_FAIL;
    }
}

int Bind(int fd, const sockaddr_un& address) {
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ? 0 : errno;
}

}  // namespace

Descriptor ConnectEndpoint(const std::string& path, int* error) {
    sockaddr_un address{};
    if (!AddressOf(path, &address)) {
        *error = ENAMETOOLONG;
        return {};
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd) {
        *error = errno;
        return {};
    }
    int result;
    do {
        result = ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        *error = errno;
        return {};
    }
    *error = 0;
    return fd;
}

HRESULT ListenEndpoint(const std::string& path, Descriptor* listener) {
    sockaddr_un address{};
    if (!AddressOf(path, &address)) return HResultFromWin32(ERROR_FILENAME_EXCED_RANGE);
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd) return HResultOfErrno(errno);
    int error = Bind(fd.Get(), address);
    if (error == EADDRINUSE) {
        // A socket file left by a server that ended without removing it answers nobody.
        int connectError = 0;
        if (ConnectEndpoint(path, &connectError)) return HResultFromWin32(ERROR_ALREADY_EXISTS);
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && !S_ISSOCK(info.st_mode)) return HResultFromWin32(ERROR_ALREADY_EXISTS);
        ::unlink(path.c_str());
        error = Bind(fd.Get(), address);
    }
    if (error) return HResultOfErrno(error);
    if (::listen(fd.Get(), kBacklog) != 0) return HResultOfErrno(errno);
    *listener = std::move(fd);
    return S_OK;
}

bool SendAll(int fd, std::span<const std::byte> first, std::span<const std::byte> second) {
    std::span<const std::byte> pieces[2] = {first, second};
    std::size_t index = 0;
    while (index < 2) {
        if (pieces[index].empty()) {
            ++index;
            continue;
        }
        iovec vectors[2];
        int count = 0;
        for (std::size_t i = index; i < 2; ++i) {
            if (pieces[i].empty()) continue;
            vectors[count].iov_base = const_cast<std::byte*>(pieces[i].data());
            vectors[count].iov_len = pieces[i].size();
            ++count;
        }
        msghdr message{};
        message.msg_iov = vectors;
        message.msg_iovlen = static_cast<std::size_t>(count);
        const ssize_t sent = ::sendmsg(fd, &message, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        std::size_t done = static_cast<std::size_t>(sent);
        while (done > 0 && index < 2) {
            const std::size_t take = std::min(done, pieces[index].size());
            pieces[index] = pieces[index].subspan(take);
            done -= take;
            if (pieces[index].empty()) ++index;
        }
    }
    return true;
}

}  // namespace platform::com
