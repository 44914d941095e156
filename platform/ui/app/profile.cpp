// The application's profile: values under the current user's
// "Software\<registry key>\<profile name>\<section>" in the registry store.
#include "platform/ui/app/win_app.h"

#include "platform/registry/registry.h"

#include <cstring>
#include <vector>

namespace platform::ui {

namespace {

// An open key of the section, closed with the object; null when absent (or without a registry
// key).
class SectionKey {
public:
    SectionKey(const WinApp& app, const char* section, bool create) {
        if (!app.m_pszRegistryKey || !app.m_pszProfileName || !section) return;
        const String path = String("Software\\") + app.m_pszRegistryKey + "\\" + app.m_pszProfileName + "\\" + section;
        const Win32Error result = create ? Registry::CreateKey(HKEY_CURRENT_USER, path, &key_)
                                         : Registry::OpenKey(HKEY_CURRENT_USER, path, KEY_READ, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    ~SectionKey() {
        if (key_) Registry::CloseKey(key_);
    }
    SectionKey(const SectionKey&) = delete;
    SectionKey& operator=(const SectionKey&) = delete;

    // The value's bytes when it has `type`.
    [[nodiscard]] bool Read(const char* entry, DWORD type, std::vector<BYTE>& bytes) const {
        DWORD storedType = REG_NONE;
        DWORD size = 0;
        if (!key_ || Registry::QueryValue(key_, entry, &storedType, nullptr, &size) != ERROR_SUCCESS) return false;
        if (storedType != type) return false;
        bytes.resize(size);
        return Registry::QueryValue(key_, entry, &storedType, bytes.data(), &size) == ERROR_SUCCESS;
    }
    [[nodiscard]] BOOL Write(const char* entry, DWORD type, const void* data, DWORD size) const {
        return key_ && Registry::SetValue(key_, entry, type, data, size) == ERROR_SUCCESS ? TRUE : FALSE;
    }

private:
    HKEY key_ = nullptr;
};

}  // namespace

String WinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) {
    std::vector<BYTE> bytes;
    if (!SectionKey(*this, section, false).Read(entry, REG_SZ, bytes)) return defaultValue;
    // Stored with its terminating zero; the text ends at the first one.
    return String(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(strnlen(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

UINT WinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
    std::vector<BYTE> bytes;
    DWORD value = 0;
    if (!SectionKey(*this, section, false).Read(entry, REG_DWORD, bytes) || bytes.size() != sizeof value) {
        return static_cast<UINT>(defaultValue);
    }
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

BOOL WinApp::GetProfileBinary(const char* section, const char* entry, BYTE** data, UINT* bytes) {
    *data = nullptr;
    *bytes = 0;
    std::vector<BYTE> stored;
    if (!SectionKey(*this, section, false).Read(entry, REG_BINARY, stored)) return FALSE;
    *data = new BYTE[stored.size()];
    std::memcpy(*data, stored.data(), stored.size());
    *bytes = static_cast<UINT>(stored.size());
    return TRUE;
}

BOOL WinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
    const char* text = value ? value : "";
    return SectionKey(*this, section, true).Write(entry, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

BOOL WinApp::WriteProfileInt(const char* section, const char* entry, int value) {
    const DWORD stored = static_cast<DWORD>(value);
    return SectionKey(*this, section, true).Write(entry, REG_DWORD, &stored, sizeof stored);
}

BOOL WinApp::WriteProfileBinary(const char* section, const char* entry, const BYTE* data, UINT bytes) {
    return SectionKey(*this, section, true).Write(entry, REG_BINARY, data, bytes);
}

}  // namespace platform::ui
