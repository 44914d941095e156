#include "platform/com/class_registry.h"

#include "platform/system/environment.h"

#include <cstdio>
#include <cstring>

namespace platform::com {

namespace {

// No registration nests deeper or holds more keys; the bound keeps a damaged store from
// turning a removal into an endless walk.
constexpr int kMaxTreeDepth = 64;
constexpr DWORD kMaxSubKeys = 100000;

// A key handle closed when it goes out of scope.
class OpenedKey {
public:
    OpenedKey() = default;
    ~OpenedKey() {
        if (key_) (void)Registry::CloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    HKEY* Out() { return &key_; }
    [[nodiscard]] HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

Win32Error SetText(HKEY key, const char* name, const std::string& text) {
    return Registry::SetValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

Win32Error WriteKey(HKEY root, const RegistryScriptKey& entry) {
    if (entry.removal == KeyRemoval::ForceRemove) {
        if (const Win32Error error = DeleteKeyTree(root, entry.path)) return error;
    }
    OpenedKey key;
    if (const Win32Error error = Registry::CreateKey(root, entry.path.c_str(), key.Out())) return error;
    if (entry.defaultValue) {
        if (const Win32Error error = SetText(key.Get(), nullptr, *entry.defaultValue)) return error;
    }
    for (const auto& [name, text] : entry.values) {
        if (const Win32Error error = SetText(key.Get(), name.c_str(), text)) return error;
    }
    return ERROR_SUCCESS;
}

Win32Error RemoveKeyIfLeafless(HKEY root, const std::string& path) {
    DWORD subKeys = 0;
    {
        OpenedKey key;
        const Win32Error error = Registry::OpenKey(root, path.c_str(), KEY_READ, key.Out());
        if (error == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
        if (error) return error;
        if (const Win32Error info = Registry::QueryInfoKey(key.Get(), &subKeys, nullptr)) return info;
    }
    if (subKeys > 0) return ERROR_SUCCESS;
    const Win32Error error = Registry::DeleteKey(root, path.c_str());
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

Win32Error RemoveKey(HKEY root, const RegistryScriptKey& entry) {
    switch (entry.removal) {
        case KeyRemoval::NoRemove: return ERROR_SUCCESS;
        case KeyRemoval::ForceRemove: return DeleteKeyTree(root, entry.path);
        case KeyRemoval::Remove: return RemoveKeyIfLeafless(root, entry.path);
    }
    return ERROR_INVALID_PARAMETER;
}

Win32Error DeleteTree(HKEY root, const std::string& path, int depth) {
    if (depth > kMaxTreeDepth) return ERROR_BADDB;
    for (DWORD removed = 0;; ++removed) {
        if (removed > kMaxSubKeys) return ERROR_BADDB;
        String child;
        {
            OpenedKey key;
            const Win32Error error = Registry::OpenKey(root, path.c_str(), KEY_READ, key.Out());
            if (error == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
            if (error) return error;
            const Win32Error listed = Registry::EnumKey(key.Get(), 0, &child);
            if (listed == ERROR_NO_MORE_ITEMS) break;
            if (listed) return listed;
        }
        if (const Win32Error error = DeleteTree(root, path + "\\" + child.str(), depth + 1)) return error;
    }
    const Win32Error error = Registry::DeleteKey(root, path.c_str());
    return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

std::string ClassKey(const CLSID& clsid) { return "CLSID\\" + GuidToString(clsid); }

std::string VersionKey(const GUID& libid, unsigned major, unsigned minor) {
    char version[24];
    std::snprintf(version, sizeof version, "%x.%x", major, minor);
    return "TypeLib\\" + GuidToString(libid) + "\\" + version;
}

}  // namespace

Win32Error ApplyRegistryScript(HKEY root, std::span<const RegistryScriptKey> keys, bool registering) {
    if (registering) {
        for (const RegistryScriptKey& entry : keys) {
            if (const Win32Error error = WriteKey(root, entry)) return error;
        }
        return ERROR_SUCCESS;
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        if (const Win32Error error = RemoveKey(root, *it)) return error;
    }
    return ERROR_SUCCESS;
}

Win32Error DeleteKeyTree(HKEY root, const std::string& path) {
    if (path.empty()) return ERROR_INVALID_PARAMETER;  // never the whole root
    return DeleteTree(root, path, 0);
}

Win32Error ReadRegistryText(HKEY root, const std::string& path, const char* name, String& text, DWORD maxBytes) {
    text.Empty();
    OpenedKey key;
    if (const Win32Error error = Registry::OpenKey(root, path.c_str(), KEY_READ, key.Out())) return error;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (const Win32Error error = Registry::QueryValue(key.Get(), name, &type, nullptr, &size)) return error;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
    if (size > maxBytes) return ERROR_MORE_DATA;
    std::string bytes(size, '\0');
    if (const Win32Error error = Registry::QueryValue(key.Get(), name, &type, bytes.data(), &size)) return error;
    bytes.resize(std::strlen(bytes.c_str()));  // the text ends at its first zero, stored or not
    text = type == REG_EXPAND_SZ ? ExpandEnvironmentStrings(bytes) : String(std::move(bytes));
    return ERROR_SUCCESS;
}

Win32Error ReadClassLocalServer(const CLSID& clsid, String& commandLine) {
    return ReadRegistryText(HKEY_CLASSES_ROOT, ClassKey(clsid) + "\\LocalServer32", nullptr, commandLine);
}

Win32Error ReadClassAppId(const CLSID& clsid, String& appId, DWORD maxBytes) {
    return ReadRegistryText(HKEY_CLASSES_ROOT, ClassKey(clsid), "AppID", appId, maxBytes);
}

Win32Error ReadAppIdRemoteServerName(const String& appId, String& machine, DWORD maxBytes) {
    if (appId.IsEmpty()) return ERROR_FILE_NOT_FOUND;
    return ReadRegistryText(HKEY_CLASSES_ROOT, "AppID\\" + appId.str(), "RemoteServerName", machine, maxBytes);
}

Win32Error RegisterTypeLibrary(const TypeLibraryRegistration& library) {
    const std::string version = VersionKey(library.libid, library.major, library.minor);
    const RegistryScriptKey keys[] = {
        {version, library.name.str(), {}, KeyRemoval::Remove},
        {version + "\\0\\win32", library.path.str(), {}, KeyRemoval::Remove},
        {version + "\\FLAGS", std::to_string(library.flags), {}, KeyRemoval::Remove},
        {version + "\\HELPDIR", library.helpFolder.str(), {}, KeyRemoval::Remove},
    };
    return ApplyRegistryScript(HKEY_CLASSES_ROOT, keys, true);
}

Win32Error UnregisterTypeLibrary(const GUID& libid, unsigned major, unsigned minor) {
    if (const Win32Error error = DeleteKeyTree(HKEY_CLASSES_ROOT, VersionKey(libid, major, minor))) return error;
    return RemoveKeyIfLeafless(HKEY_CLASSES_ROOT, "TypeLib\\" + GuidToString(libid));
}

}  // namespace platform::com
