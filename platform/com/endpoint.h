// Where a class's local server listens, and the lock that serialises starting it.
//
// Endpoints live in the user's runtime folder: "$XDG_RUNTIME_DIR/kelvo" when that variable names
// an absolute folder, else "/tmp/kelvo-<uid>"; the folder is created private (mode 0700) and is
// refused when another user owns it or others may write to it. A server belongs to one registry
// store (KELVO_REGISTRY, platform/registry.h): the socket's name is a hash of the store folder's
// absolute path followed by the class id ("<16 hex digits>-<CLSID>.sock"), so that processes of
// one store share one server and tests with private stores get private servers. The start lock
// lives in the store folder ("LocalServer-{CLSID}.lock"), beside the registration that names the
// server. Reads the environment; safe from any thread that does not change it.
#pragma once

#include "platform/com/guid.h"
#include "platform/win32_error.h"

#include <string>

namespace platform::com {

// The runtime folder, created when missing; ERROR_ACCESS_DENIED when it is not a private folder
// of this user, another Win32 error when it cannot be made.
[[nodiscard]] Win32Error RuntimeFolder(std::string& folder);

// The socket path of `clsid`'s local server for the current store; ERROR_SUCCESS or the error of
// the runtime folder.
[[nodiscard]] Win32Error ServerEndpointPath(const CLSID& clsid, std::string& path);

// The lock file that serialises starting `clsid`'s server; ERROR_PATH_NOT_FOUND when there is
// no store folder.
[[nodiscard]] Win32Error ServerStartLockPath(const CLSID& clsid, std::string& path);

}  // namespace platform::com
