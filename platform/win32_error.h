// Win32 error numbers, as the callers of the platform layer expect them, and their texts.
//
// The registry store, the file class and the process helpers report these numbers; the system's
// own code compares with them and shows their texts (the Portuguese texts of the original
// platform's system message table, for the numbers this layer produces).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using Win32Error = std::uint32_t;

constexpr Win32Error ERROR_SUCCESS = 0;
constexpr Win32Error ERROR_INVALID_FUNCTION = 1;
constexpr Win32Error ERROR_FILE_NOT_FOUND = 2;
constexpr Win32Error ERROR_PATH_NOT_FOUND = 3;
constexpr Win32Error ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr Win32Error ERROR_ACCESS_DENIED = 5;
constexpr Win32Error ERROR_INVALID_HANDLE = 6;
constexpr Win32Error ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr Win32Error ERROR_INVALID_DATA = 13;
constexpr Win32Error ERROR_OUTOFMEMORY = 14;
constexpr Win32Error ERROR_CURRENT_DIRECTORY = 16;
constexpr Win32Error ERROR_NO_MORE_FILES = 18;
constexpr Win32Error ERROR_WRITE_FAULT = 29;
constexpr Win32Error ERROR_READ_FAULT = 30;
constexpr Win32Error ERROR_GEN_FAILURE = 31;
constexpr Win32Error ERROR_SHARING_VIOLATION = 32;
constexpr Win32Error ERROR_LOCK_VIOLATION = 33;
constexpr Win32Error ERROR_HANDLE_EOF = 38;
constexpr Win32Error ERROR_HANDLE_DISK_FULL = 39;
constexpr Win32Error ERROR_BAD_NETPATH = 53;
constexpr Win32Error ERROR_FILE_EXISTS = 80;
constexpr Win32Error ERROR_INVALID_PARAMETER = 87;
constexpr Win32Error ERROR_DISK_FULL = 112;
constexpr Win32Error ERROR_INSUFFICIENT_BUFFER = 122;
constexpr Win32Error ERROR_INVALID_NAME = 123;
constexpr Win32Error ERROR_NEGATIVE_SEEK = 131;
constexpr Win32Error ERROR_DIR_NOT_EMPTY = 145;
constexpr Win32Error ERROR_BAD_PATHNAME = 161;
constexpr Win32Error ERROR_ALREADY_EXISTS = 183;
constexpr Win32Error ERROR_FILENAME_EXCED_RANGE = 206;
constexpr Win32Error ERROR_MORE_DATA = 234;
constexpr Win32Error ERROR_NO_MORE_ITEMS = 259;
constexpr Win32Error ERROR_DIRECTORY = 267;
constexpr Win32Error ERROR_BADDB = 1009;
constexpr Win32Error ERROR_BADKEY = 1010;
constexpr Win32Error ERROR_CANTOPEN = 1011;
constexpr Win32Error ERROR_CANTREAD = 1012;
constexpr Win32Error ERROR_CANTWRITE = 1013;
constexpr Win32Error ERROR_KEY_DELETED = 1018;
constexpr Win32Error RPC_S_SERVER_UNAVAILABLE = 1722;

// The system's text for an error number, without a trailing line break; empty when the
// platform has no text for it.
[[nodiscard]] std::string Win32ErrorText(Win32Error error);

}  // namespace platform
