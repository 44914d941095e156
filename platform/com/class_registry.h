// Class registration in the registry store: what activation reads and what a server's
// registration writes.
//
// A registration is a list of keys below one root (the classes root for classes, application
// ids, ProgIDs and type libraries), each with its default value, its named text values and what
// happens to it on unregistration. Registering creates every key and writes its values;
// unregistering walks the list backwards (so list a parent before its children) and removes each
// key that is not kept. Paths use backslashes. Results are Win32 errors of the store; a key that
// is already missing counts as removed. Safe from any thread.
#pragma once

#include "platform/com/guid.h"
#include "platform/registry/registry.h"
#include "platform/text/string.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace platform::com {

enum class KeyRemoval {
    Remove,       // unregistration removes the key once no sub-key is left in it
    NoRemove,     // unregistration keeps the key and its values
    ForceRemove,  // registration replaces the key's whole subtree; unregistration removes it all
};

struct RegistryScriptKey {
    std::string path;
    std::optional<std::string> defaultValue;
    std::vector<std::pair<std::string, std::string>> values;
    KeyRemoval removal = KeyRemoval::Remove;
};

// Writes (registering) or removes (unregistering) `keys` below `root`; the first error stops it.
[[nodiscard]] Win32Error ApplyRegistryScript(HKEY root, std::span<const RegistryScriptKey> keys, bool registering);

// Removes `path` below `root` with everything under it; ERROR_SUCCESS when it is already missing.
[[nodiscard]] Win32Error DeleteKeyTree(HKEY root, const std::string& path);

// The text of value `name` (null or "" = default value) of `path` below `root`: REG_SZ as stored,
// REG_EXPAND_SZ expanded, without a terminating zero. ERROR_FILE_NOT_FOUND when the key or value
// is missing, ERROR_INVALID_DATA for another type, ERROR_MORE_DATA when longer than `maxBytes`.
[[nodiscard]] Win32Error ReadRegistryText(HKEY root, const std::string& path, const char* name, String& text,
                                          DWORD maxBytes = 0x10000);

// "CLSID\{...}\LocalServer32" (default value) of the class: its server's command line.
[[nodiscard]] Win32Error ReadClassLocalServer(const CLSID& clsid, String& commandLine);
// The "AppID" value of "CLSID\{...}".
[[nodiscard]] Win32Error ReadClassAppId(const CLSID& clsid, String& appId, DWORD maxBytes = 0x10000);
// The "RemoteServerName" value of "AppID\<appId>".
[[nodiscard]] Win32Error ReadAppIdRemoteServerName(const String& appId, String& machine, DWORD maxBytes = 0x10000);

// A type library's registration, as "TypeLib\{LIBID}\<major>.<minor>" (hexadecimal numbers):
// default value = its name, "0\win32" = the file holding it (the module), "FLAGS" = flags,
// "HELPDIR" = its help folder.
struct TypeLibraryRegistration {
    GUID libid;
    unsigned major;
    unsigned minor;
    String name;
    String path;
    String helpFolder;
    unsigned flags = 0;
};

[[nodiscard]] Win32Error RegisterTypeLibrary(const TypeLibraryRegistration& library);
// Removes the version's key, and the library's key once no version is left in it.
[[nodiscard]] Win32Error UnregisterTypeLibrary(const GUID& libid, unsigned major, unsigned minor);

}  // namespace platform::com
