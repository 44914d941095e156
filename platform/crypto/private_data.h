// Private data of this machine: small secrets kept by name where only their owner can read
// them, in place of the original platform's security-policy private data (the store where the
// COM configuration keeps a run-as account's password).
//
// Each secret is one file named after its key in the folder "private" of the registry store's
// folder (KELVO_REGISTRY, platform/registry.h), which is made with mode 0700; the file has mode
// 0600. A secret is read only from a regular file (not a link) that the process's own user owns
// and that nobody else may read or write; any other file is refused, so a secret that others
// could have read or replaced is never used. The bytes are kept exactly as given. Key names are
// Windows-1252. Results are Win32 error numbers. Safe from any thread; a store replaces the file
// atomically (temporary file, then rename), so a reader sees the old or the new secret whole.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The largest secret kept (the original store's limit for one private-data item).
constexpr std::size_t kMaxPrivateDataBytes = 65535;

// The path of the secret `keyName`; empty when the store folder is unknown or the name is not
// a valid key (empty, longer than 255 bytes, ".", "..", or holding '/' or a NUL).
[[nodiscard]] String PrivateDataPath(const String& keyName);

// Stores `data` under `keyName`, replacing an older secret. ERROR_SUCCESS;
// ERROR_INVALID_PARAMETER for a bad key name or data over kMaxPrivateDataBytes;
// ERROR_PATH_NOT_FOUND without a store folder; the mapped file error otherwise.
[[nodiscard]] Win32Error StorePrivateData(const String& keyName, std::string_view data);

// Reads the secret `keyName` into `data` (emptied on failure). ERROR_SUCCESS;
// ERROR_FILE_NOT_FOUND when there is none; ERROR_ACCESS_DENIED when its file is not a regular
// file of this user that only this user may use; ERROR_INVALID_DATA when it is longer than
// kMaxPrivateDataBytes; ERROR_INVALID_PARAMETER for a bad key name.
[[nodiscard]] Win32Error RetrievePrivateData(const String& keyName, std::string& data);

}  // namespace platform
