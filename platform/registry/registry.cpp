#include "platform/registry/registry.h"

#include "platform/system/machine_name.h"

#include "platform/registry/registry_handles.h"
#include "platform/registry/registry_store.h"
#include "platform/registry/registry_tree.h"

#include <cstring>
#include <functional>
#include <string_view>


namespace platform {

using namespace registry_detail;

namespace {

// The key a handle stands for, for reading. A predefined root whose key was never written (the
// classes root of a fresh store) reads as an empty key; any other missing key was deleted.
const RegistryKey* Locate(const RegistryTree& tree, const KeyRef& ref, Win32Error* error) {
    static const RegistryKey kEmpty;
    const RegistryKey* key = FindKey(tree.root, ref.path);
    if (ref.predefined) return key ? key : &kEmpty;
    if (!key || key->id != ref.id) {
        *error = ERROR_KEY_DELETED;
        return nullptr;
    }
    return key;
}

// Walks `pieces` down from `from`, creating the missing keys.
RegistryKey* CreatePath(RegistryTree& tree, RegistryKey& from, const std::vector<std::string>& pieces,
                        bool& changed, Win32Error* error) {
    RegistryKey* key = &from;
    for (const std::string& piece : pieces) {
        RegistryKey* sub = key->FindSubKey(piece);
        if (!sub) {
            if (tree.nextId >= kMaxKeyId) {
                *error = ERROR_CANTWRITE;
                return nullptr;
            }
            sub = &key->AddSubKey(piece, tree.nextId++);
            changed = true;
        }
        key = sub;
    }
    return key;
}

// The key a handle stands for, for changing; a predefined root's key is created when missing.
RegistryKey* LocateForChange(RegistryTree& tree, const KeyRef& ref, bool& changed, Win32Error* error) {
    if (ref.predefined) return CreatePath(tree, tree.root, ref.path, changed, error);
    RegistryKey* key = FindKey(tree.root, ref.path);
    if (!key || key->id != ref.id) {
        *error = ERROR_KEY_DELETED;
        return nullptr;
    }
    return key;
}

KeyRef ChildRef(const KeyRef& parent, const std::vector<std::string>& pieces, std::uint64_t id, DWORD access) {
    KeyRef child;
    child.root = parent.root;
    child.path = parent.path;
    child.path.insert(child.path.end(), pieces.begin(), pieces.end());
    child.id = id;
    child.access = access;
    return child;
}

// Resolves `key` and checks that it holds `right`.
Win32Error ResolveWithRight(HKEY key, DWORD right, KeyRef* ref) {
    if (const Win32Error error = ResolveHandle(key, ref)) return error;
    return (ref->access & right) == right ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

// Splits `subKey`, checking that the resulting path stays within the store's depth.
Win32Error SplitBelow(const KeyRef& base, const char* subKey, std::vector<std::string>* pieces) {
    if (!SplitKeyPath(subKey, pieces) || base.path.size() + pieces->size() > kMaxKeyDepth) {
        return ERROR_INVALID_PARAMETER;
    }
    return ERROR_SUCCESS;
}

std::string_view ValueName(const char* name) { return name ? std::string_view(name) : std::string_view(); }


// Reads the key behind `key` (which must carry `right`) with `read`, in the latest store state.
Win32Error ReadKey(HKEY key, DWORD right, const std::function<Win32Error(const RegistryKey&)>& read) {
    KeyRef ref;
    if (const Win32Error error = ResolveWithRight(key, right, &ref)) return error;
    return ReadRoot(ref.root, [&](const RegistryTree& tree) {
        Win32Error failure = ERROR_SUCCESS;
        const RegistryKey* found = Locate(tree, ref, &failure);
        return found ? read(*found) : failure;
    });
}

}  // namespace

bool Registry::IsPredefinedKey(HKEY key) {
    const auto value = reinterpret_cast<std::uintptr_t>(key);
    return value >= 0x80000000u && value <= 0x80000006u;
}

Win32Error Registry::OpenKey(HKEY key, const char* subKey, DWORD access, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    KeyRef base;
    std::vector<std::string> pieces;
    if (const Win32Error error = ResolveHandle(key, &base)) return error;
    if (const Win32Error error = SplitBelow(base, subKey, &pieces)) return error;
    if (pieces.empty() && base.predefined) {
        *result = key;
        return ERROR_SUCCESS;
    }
    KeyRef opened;
    const Win32Error error = ReadRoot(base.root, [&](const RegistryTree& tree) {
        Win32Error failure = ERROR_SUCCESS;
        const RegistryKey* from = Locate(tree, base, &failure);
        if (!from) return failure;
        const RegistryKey* found = FindKey(*from, pieces);
        if (!found) return ERROR_FILE_NOT_FOUND;
        opened = ChildRef(base, pieces, found->id, access);
        return ERROR_SUCCESS;
    });
    if (error) return error;
    *result = AddHandle(std::move(opened));
    return ERROR_SUCCESS;
}

Win32Error Registry::CreateKey(HKEY key, const char* subKey, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    KeyRef base;
    std::vector<std::string> pieces;
    if (const Win32Error error = ResolveWithRight(key, KEY_CREATE_SUB_KEY, &base)) return error;
    if (const Win32Error error = SplitBelow(base, subKey, &pieces)) return error;
    if (pieces.empty() && base.predefined) {
        *result = key;
        return ERROR_SUCCESS;
    }
    KeyRef created;
    const Win32Error error = UpdateRoot(base.root, [&](RegistryTree& tree, bool& changed) {
        Win32Error failure = ERROR_SUCCESS;
        RegistryKey* from = LocateForChange(tree, base, changed, &failure);
        if (!from) return failure;
        const RegistryKey* made = CreatePath(tree, *from, pieces, changed, &failure);
        if (!made) return failure;
        created = ChildRef(base, pieces, made->id, KEY_ALL_ACCESS);
        return ERROR_SUCCESS;
    });
    if (error) return error;
    *result = AddHandle(std::move(created));
    return ERROR_SUCCESS;
}

Win32Error Registry::CloseKey(HKEY key) {
    if (IsPredefinedKey(key)) return ERROR_SUCCESS;
    return RemoveHandle(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

std::string Registry::StoreFolder() { return registry_detail::StoreFolder(); }

Win32Error Registry::ConnectRegistry(const char* machine, HKEY root, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!IsThisMachine(machine ? std::string_view(machine) : std::string_view())) return ERROR_BAD_NETPATH;
    KeyRef ref;
    if (!IsPredefinedKey(root)) return ERROR_INVALID_HANDLE;
    if (const Win32Error error = ResolveHandle(root, &ref)) return error;
    *result = root;
    return ERROR_SUCCESS;
}

Win32Error Registry::QueryValue(HKEY key, const char* name, DWORD* type, void* data, DWORD* size) {
    if (data && !size) return ERROR_INVALID_PARAMETER;
    return ReadKey(key, KEY_QUERY_VALUE, [&](const RegistryKey& found) {
        const RegistryValue* value = found.FindValue(ValueName(name));
        if (!value) return ERROR_FILE_NOT_FOUND;
        if (type) *type = value->type;
        if (!size) return ERROR_SUCCESS;
        const auto needed = static_cast<DWORD>(value->data.size());
        if (data && *size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        if (data && needed > 0) std::memcpy(data, value->data.data(), needed);
        *size = needed;
        return ERROR_SUCCESS;
    });
}

Win32Error Registry::SetValue(HKEY key, const char* name, DWORD type, const void* data, DWORD size) {
    if (type > REG_DWORD || (type == REG_DWORD && size != sizeof(DWORD))) return ERROR_INVALID_PARAMETER;
    if (size > kMaxValueSize || (size > 0 && !data)) return ERROR_INVALID_PARAMETER;
    if (ValueName(name).size() > kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
    KeyRef ref;
    if (const Win32Error error = ResolveWithRight(key, KEY_SET_VALUE, &ref)) return error;
    const std::string bytes = size > 0 ? std::string(static_cast<const char*>(data), size) : std::string();
    return UpdateRoot(ref.root, [&](RegistryTree& tree, bool& changed) {
        Win32Error failure = ERROR_SUCCESS;
        RegistryKey* found = LocateForChange(tree, ref, changed, &failure);
        if (!found) return failure;
        RegistryValue* value = found->FindValue(ValueName(name));
        if (value && value->type == type && value->data == bytes) return ERROR_SUCCESS;
        if (!value) value = &found->AddValue(ValueName(name));
        value->type = type;
        value->data = bytes;
        changed = true;
        return ERROR_SUCCESS;
    });
}

Win32Error Registry::IncrementCounter(HKEY key, const char* name, DWORD* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    if (ValueName(name).size() > kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
    KeyRef ref;
    if (const Win32Error error = ResolveWithRight(key, KEY_QUERY_VALUE | KEY_SET_VALUE, &ref)) return error;
    DWORD number = 0;
    const Win32Error error = UpdateRoot(ref.root, [&](RegistryTree& tree, bool& changed) {
        Win32Error failure = ERROR_SUCCESS;
        RegistryKey* found = LocateForChange(tree, ref, changed, &failure);
        if (!found) return failure;
        RegistryValue* value = found->FindValue(ValueName(name));
        number = 0;
        if (value) {
            if (value->type != REG_DWORD || value->data.size() != sizeof number) return ERROR_INVALID_DATA;
            std::memcpy(&number, value->data.data(), sizeof number);
            if (number == 0xFFFFFFFFu) return ERROR_INVALID_DATA;
        } else {
            value = &found->AddValue(ValueName(name));
            value->type = REG_DWORD;
        }
        ++number;
        value->data.assign(reinterpret_cast<const char*>(&number), sizeof number);
        changed = true;
        return ERROR_SUCCESS;
    });
    if (!error) *result = number;  // only a number the store kept
    return error;
}

Win32Error Registry::DeleteValue(HKEY key, const char* name) {
    KeyRef ref;
    if (const Win32Error error = ResolveWithRight(key, KEY_SET_VALUE, &ref)) return error;
    return UpdateRoot(ref.root, [&](RegistryTree& tree, bool& changed) {
        Win32Error failure = ERROR_SUCCESS;
        RegistryKey* found = LocateForChange(tree, ref, changed, &failure);
        if (!found) return failure;
        if (!found->RemoveValue(ValueName(name))) return ERROR_FILE_NOT_FOUND;
        changed = true;
        return ERROR_SUCCESS;
    });
}

Win32Error Registry::DeleteKey(HKEY key, const char* subKey) {
    KeyRef ref;
    std::vector<std::string> pieces;
    if (const Win32Error error = ResolveHandle(key, &ref)) return error;
    if (const Win32Error error = SplitBelow(ref, subKey, &pieces)) return error;
    if (pieces.empty()) return ERROR_INVALID_PARAMETER;
    const std::string leaf = pieces.back();
    pieces.pop_back();
    return UpdateRoot(ref.root, [&](RegistryTree& tree, bool& changed) {
        Win32Error failure = ERROR_SUCCESS;
        RegistryKey* from = LocateForChange(tree, ref, changed, &failure);
        if (!from) return failure;
        RegistryKey* parent = FindKey(*from, pieces);
        const RegistryKey* target = parent ? parent->FindSubKey(leaf) : nullptr;
        if (!target) return ERROR_FILE_NOT_FOUND;
        if (!target->subKeys.empty()) return ERROR_ACCESS_DENIED;
        parent->RemoveSubKey(leaf);
        changed = true;
        return ERROR_SUCCESS;
    });
}

Win32Error Registry::EnumKey(HKEY key, DWORD index, String* name) {
    if (!name) return ERROR_INVALID_PARAMETER;
    return ReadKey(key, KEY_ENUMERATE_SUB_KEYS, [&](const RegistryKey& found) {
        if (index >= found.subKeys.size()) return ERROR_NO_MORE_ITEMS;
        *name = String(found.subKeys[index].name);
        return ERROR_SUCCESS;
    });
}

Win32Error Registry::EnumValue(HKEY key, DWORD index, String* name, DWORD* type) {
    if (!name) return ERROR_INVALID_PARAMETER;
    return ReadKey(key, KEY_QUERY_VALUE, [&](const RegistryKey& found) {
        if (index >= found.values.size()) return ERROR_NO_MORE_ITEMS;
        *name = String(found.values[index].name);
        if (type) *type = found.values[index].type;
        return ERROR_SUCCESS;
    });
}

Win32Error Registry::QueryInfoKey(HKEY key, DWORD* subKeyCount, DWORD* valueCount) {
    return ReadKey(key, KEY_QUERY_VALUE, [&](const RegistryKey& found) {
        if (subKeyCount) *subKeyCount = static_cast<DWORD>(found.subKeys.size());
        if (valueCount) *valueCount = static_cast<DWORD>(found.values.size());
        return ERROR_SUCCESS;
    });
}

}  // namespace platform
