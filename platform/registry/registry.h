// The registry: a store of keys and typed values that replaces the original platform's registry.
//
// Three roots exist: the local machine, the current user, and the classes root, which is the
// local machine's "Software\Classes". Each of the first two is one text file in the folder that
// KELVO_REGISTRY names (default ~/.local/share/kelvo/registry), created on the first write; the
// format is described in platform/registry_format.h. The other predefined roots (users,
// performance data, current configuration, dynamic data) do not exist here: every operation on
// them answers ERROR_INVALID_HANDLE, and closing them does nothing.
//
// Key and value names match without regard to case (Windows-1252 folding) and keep the case in
// which they were first written. Sub-key paths are separated by backslashes; empty pieces
// (leading, trailing or doubled backslashes) are skipped. Values hold Windows-1252 bytes exactly
// as given: a string's terminating zero is stored when the caller counts it, as on Windows.
//
// Every write replaces the root's file atomically under a lock shared with other processes,
// after re-reading the latest file, so concurrent writers never lose each other's writes; every
// read sees the latest file. A malformed file answers ERROR_BADDB to reads and writes alike and is
// never overwritten. A handle whose key another handle or process deleted answers
// ERROR_KEY_DELETED. Results are Win32 error numbers (platform/win32_error.h).
//
// Handles are process-wide and may be used from any thread; calls are serialised inside.
#pragma once

#include "platform/text/string.h"
#include "platform/win32_error.h"

#include <cstdint>

namespace platform {

using DWORD = std::uint32_t;

// A registry key handle: one of the predefined roots or a key opened by Registry. Null is none.
struct HKEY__;
using HKEY = HKEY__*;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(std::uintptr_t{0x80000003});
inline const HKEY HKEY_PERFORMANCE_DATA = reinterpret_cast<HKEY>(std::uintptr_t{0x80000004});
inline const HKEY HKEY_CURRENT_CONFIG = reinterpret_cast<HKEY>(std::uintptr_t{0x80000005});
inline const HKEY HKEY_DYN_DATA = reinterpret_cast<HKEY>(std::uintptr_t{0x80000006});

// Value types the store keeps.
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

// Access rights, with their values on the original platform.
constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr DWORD KEY_NOTIFY = 0x0010;
constexpr DWORD KEY_CREATE_LINK = 0x0020;
constexpr DWORD KEY_READ = 0x20019;
constexpr DWORD KEY_WRITE = 0x20006;
constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

class Registry {
public:
    // True for the seven predefined root values (which are never closed).
    [[nodiscard]] static bool IsPredefinedKey(HKEY key);

    // Opens the existing `subKey` below `key` with `access`; an empty or null sub-key of a
    // predefined root gives the root itself. ERROR_FILE_NOT_FOUND when a piece is missing.
    [[nodiscard]] static Win32Error OpenKey(HKEY key, const char* subKey, DWORD access, HKEY* result);
    // Opens `subKey` below `key` with all access, creating every missing piece; `key` needs
    // KEY_CREATE_SUB_KEY.
    [[nodiscard]] static Win32Error CreateKey(HKEY key, const char* subKey, HKEY* result);
    // Releases a handle; predefined roots are left alone (ERROR_SUCCESS).
    static Win32Error CloseKey(HKEY key);
    // The `root` of `machine`: this machine (null, "", ".", or its host name, with or without a
    // leading "\\") gives `root` back; any other machine fails with ERROR_BAD_NETPATH.
    [[nodiscard]] static Win32Error ConnectRegistry(const char* machine, HKEY root, HKEY* result);

    // Reads value `name` (null or "" = the key's default value) with the Win32 size protocol:
    // null data asks the size; a `*size` too small gives ERROR_MORE_DATA and the size needed.
    [[nodiscard]] static Win32Error QueryValue(HKEY key, const char* name, DWORD* type, void* data, DWORD* size);
    // Stores `size` bytes as value `name` of `type` (REG_NONE to REG_DWORD; a REG_DWORD takes
    // exactly 4 bytes); the key needs KEY_SET_VALUE.
    [[nodiscard]] static Win32Error SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size);
    // Numbering: adds 1 to the REG_DWORD value `name` (a missing value counts as 0) and gives the
    // new value in `*result`, in one step under the store's lock, so that no two callers of any
    // process ever get the same number; the key needs KEY_QUERY_VALUE and KEY_SET_VALUE.
    // ERROR_INVALID_DATA when the value holds another type or size, or already the last number
    // (0xFFFFFFFF). On any error the value is unchanged.
    [[nodiscard]] static Win32Error IncrementCounter(HKEY key, const char* name, DWORD* result);
    // Removes value `name`; ERROR_FILE_NOT_FOUND when absent.
    [[nodiscard]] static Win32Error DeleteValue(HKEY key, const char* name);
    // Removes the (non-empty) `subKey` below `key`; ERROR_ACCESS_DENIED when it has sub-keys.
    [[nodiscard]] static Win32Error DeleteKey(HKEY key, const char* subKey);

    // The name of sub-key `index` in case-insensitive order; ERROR_NO_MORE_ITEMS past the end.
    [[nodiscard]] static Win32Error EnumKey(HKEY key, DWORD index, String* name);
    // The name (and type) of value `index` in order of creation; ERROR_NO_MORE_ITEMS past the end.
    [[nodiscard]] static Win32Error EnumValue(HKEY key, DWORD index, String* name, DWORD* type = nullptr);
    // The numbers of sub-keys and values (either pointer may be null).
    [[nodiscard]] static Win32Error QueryInfoKey(HKEY key, DWORD* subKeyCount, DWORD* valueCount);

    // The folder that holds the store's files (KELVO_REGISTRY, or the per-user default).
    [[nodiscard]] static std::string StoreFolder();
};

}  // namespace platform
