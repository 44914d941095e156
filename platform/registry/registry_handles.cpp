#include "platform/registry/registry_handles.h"

#include <mutex>
#include <unordered_map>

namespace platform::registry_detail {

namespace {

// Open handles start well below the predefined values and step by 4, like the original ones.
constexpr std::uintptr_t kFirstHandle = 0x1000;
constexpr std::uintptr_t kHandleStep = 4;

class HandleTable {
public:
    HKEY Add(KeyRef ref) {
        std::lock_guard lock(mutex_);
        const std::uintptr_t value = next_;
        next_ += kHandleStep;
        keys_.emplace(value, std::move(ref));
        return reinterpret_cast<HKEY>(value);
    }

    bool Remove(HKEY key) {
        std::lock_guard lock(mutex_);
        return keys_.erase(reinterpret_cast<std::uintptr_t>(key)) == 1;
    }

    bool Find(HKEY key, KeyRef* ref) const {
        std::lock_guard lock(mutex_);
        const auto it = keys_.find(reinterpret_cast<std::uintptr_t>(key));
        if (it == keys_.end()) return false;
        *ref = it->second;
        return true;
    }

private:
    mutable std::mutex mutex_;
    std::unordered_map<std::uintptr_t, KeyRef> keys_;
    std::uintptr_t next_ = kFirstHandle;
};

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

KeyRef PredefinedRoot(RootFile root, std::vector<std::string> path) {
    KeyRef ref;
    ref.root = root;
    ref.path = std::move(path);
    ref.predefined = true;
    return ref;
}

}  // namespace

Win32Error ResolveHandle(HKEY key, KeyRef* ref) {
    if (key == HKEY_LOCAL_MACHINE) {
        *ref = PredefinedRoot(RootFile::LocalMachine, {});
        return ERROR_SUCCESS;
    }
    if (key == HKEY_CURRENT_USER) {
        *ref = PredefinedRoot(RootFile::CurrentUser, {});
        return ERROR_SUCCESS;
    }
    if (key == HKEY_CLASSES_ROOT) {
        *ref = PredefinedRoot(RootFile::LocalMachine, {"Software", "Classes"});
        return ERROR_SUCCESS;
    }
    if (!key || Registry::IsPredefinedKey(key)) return ERROR_INVALID_HANDLE;
    return Handles().Find(key, ref) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

HKEY AddHandle(KeyRef ref) { return Handles().Add(std::move(ref)); }

bool RemoveHandle(HKEY key) { return Handles().Remove(key); }

}  // namespace platform::registry_detail
