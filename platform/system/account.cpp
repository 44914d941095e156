#include "platform/system/account.h"

#include "platform/text/codepage.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {

namespace {

// getpw*_r want a buffer for the entry's texts; the system's suggestion, or 16 KiB.
std::vector<char> EntryBuffer() {
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    return std::vector<char>(suggested > 0 && suggested < (1 << 20) ? static_cast<size_t>(suggested) : 16384);
}

Win32Error LookUpError(int result) {
    // 0 with no entry, or one of the "not found" numbers some systems give, means no account.
    if (result == 0 || result == ENOENT || result == ESRCH || result == EBADF || result == EPERM) return ERROR_NONE_MAPPED;
    return result == ENOMEM || result == ERANGE ? ERROR_NOT_ENOUGH_MEMORY : ERROR_CANTREAD;
}

}  // namespace

Win32Error ProcessAccountName(String& name) {
    name.Empty();
    std::vector<char> buffer = EntryBuffer();
    struct passwd entry {};
    struct passwd* found = nullptr;
    const int result = ::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found);
    if (!found) return LookUpError(result);
    name = String(AnsiFromUtf8(found->pw_name));
    return ERROR_SUCCESS;
}

Win32Error IsProcessAccount(const String& name, bool& isProcessAccount) {
    isProcessAccount = false;
    // A NUL would cut the name short and could match another account.
    if (name.IsEmpty() || name.view().find('\0') != std::string_view::npos) return ERROR_INVALID_PARAMETER;
    std::vector<char> buffer = EntryBuffer();
    struct passwd entry {};
    struct passwd* found = nullptr;
    const int result = ::getpwnam_r(Utf8FromAnsi(name.view()).c_str(), &entry, buffer.data(), buffer.size(), &found);
    if (!found) return LookUpError(result);
    isProcessAccount = found->pw_uid == ::geteuid();
    return ERROR_SUCCESS;
}

}  // namespace platform
