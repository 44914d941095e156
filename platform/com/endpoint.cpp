#include "platform/com/endpoint.h"

#include "platform/registry/registry.h"

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace platform::com {

namespace {

// sun_path holds 108 bytes with the terminating zero.
constexpr std::size_t kMaxSocketPath = sizeof(sockaddr_un::sun_path) - 1;
// "/<16 hex>-<36 of the class id>.sock"
constexpr std::size_t kSocketNameLength = 1 + 16 + 1 + 36 + 5;

Win32Error ErrorOf(int errnum) {
    switch (errnum) {
        case EACCES:
        case EPERM:
        case EROFS: return ERROR_ACCESS_DENIED;
        case ENOENT: return ERROR_PATH_NOT_FOUND;
        case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
        default: return ERROR_GEN_FAILURE;
    }
}

// The folder exists (made private when new) and is a real folder that only this user controls.
Win32Error EnsurePrivateFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return ErrorOf(errno);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return ErrorOf(errno);
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid() || (info.st_mode & 077) != 0) return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

std::string FallbackFolder() { return "/tmp/kelvo-" + std::to_string(::getuid()); }

// 64-bit FNV-1a: stable across processes and builds, which is all the name needs.
std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const unsigned char ch : text) {
        hash ^= ch;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string StoreKey() {
    std::error_code failure;
    std::filesystem::path store = Registry::StoreFolder();
    const std::filesystem::path absolute = std::filesystem::absolute(store, failure);
    if (!failure) store = absolute;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(Fnv1a(store.lexically_normal().string())));
    return text;
}

// The class id without its braces.
std::string BareClassId(const CLSID& clsid) {
    const std::string braced = GuidToString(clsid);
    return braced.substr(1, braced.size() - 2);
}

}  // namespace

Win32Error RuntimeFolder(std::string& folder) {
    folder.clear();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        std::string candidate = std::string(runtime) + "/kelvo";
        if (candidate.size() + kSocketNameLength <= kMaxSocketPath && EnsurePrivateFolder(candidate) == ERROR_SUCCESS) {
            folder = std::move(candidate);
            return ERROR_SUCCESS;
        }
    }
    std::string fallback = FallbackFolder();
    if (const Win32Error error = EnsurePrivateFolder(fallback)) return error;
    folder = std::move(fallback);
    return ERROR_SUCCESS;
}

Win32Error ServerEndpointPath(const CLSID& clsid, std::string& path) {
    path.clear();
    std::string folder;
    if (const Win32Error error = RuntimeFolder(folder)) return error;
    path = folder + "/" + StoreKey() + "-" + BareClassId(clsid) + ".sock";
    return ERROR_SUCCESS;
}

Win32Error ServerStartLockPath(const CLSID& clsid, std::string& path) {
    path.clear();
    const std::string store = Registry::StoreFolder();
    if (store.empty()) return ERROR_PATH_NOT_FOUND;
    path = store + "/LocalServer-" + GuidToString(clsid) + ".lock";
    return ERROR_SUCCESS;
}

}  // namespace platform::com
