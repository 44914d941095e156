#include "platform/registry/registry_tree.h"

#include <algorithm>

namespace platform::registry_detail {

namespace {

auto LowerBound(std::vector<RegistryKey>& keys, const std::string& folded) {
    return std::lower_bound(keys.begin(), keys.end(), folded,
                            [](const RegistryKey& key, const std::string& f) { return key.folded < f; });
}

template <typename Values>
auto FindValueIn(Values& values, std::string_view name) {
    const std::string folded = FoldName(name);
    return std::find_if(values.begin(), values.end(),
                        [&](const RegistryValue& value) { return value.folded == folded; });
}

}  // namespace

std::string FoldName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), AnsiToLower);
    return folded;
}

const RegistryKey* RegistryKey::FindSubKey(std::string_view name) const {
    return const_cast<RegistryKey*>(this)->FindSubKey(name);
}

RegistryKey* RegistryKey::FindSubKey(std::string_view name) {
    const std::string folded = FoldName(name);
    const auto it = LowerBound(subKeys, folded);
    return it != subKeys.end() && it->folded == folded ? &*it : nullptr;
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
    const auto it = FindValueIn(values, name);
    return it != values.end() ? &*it : nullptr;
}

RegistryValue* RegistryKey::FindValue(std::string_view name) {
    const auto it = FindValueIn(values, name);
    return it != values.end() ? &*it : nullptr;
}

RegistryKey& RegistryKey::AddSubKey(std::string_view name, std::uint64_t id) {
    RegistryKey key;
    key.name = std::string(name);
    key.folded = FoldName(name);
    key.id = id;
    const auto it = LowerBound(subKeys, key.folded);
    return *subKeys.insert(it, std::move(key));
}

RegistryValue& RegistryKey::AddValue(std::string_view name) {
    RegistryValue value;
    value.name = std::string(name);
    value.folded = FoldName(name);
    values.push_back(std::move(value));
    return values.back();
}

bool RegistryKey::RemoveSubKey(std::string_view name) {
    const std::string folded = FoldName(name);
    const auto it = LowerBound(subKeys, folded);
    if (it == subKeys.end() || it->folded != folded) return false;
    subKeys.erase(it);
    return true;
}

bool RegistryKey::RemoveValue(std::string_view name) {
    const auto it = FindValueIn(values, name);
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

bool SplitKeyPath(const char* path, std::vector<std::string>* pieces) {
    pieces->clear();
    if (!path) return true;
    const std::string_view text(path);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\\', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        if (!piece.empty()) {
            if (piece.size() > kMaxKeyNameLength || pieces->size() >= kMaxKeyDepth) return false;
            pieces->emplace_back(piece);
        }
        start = end + 1;
    }
    return true;
}

const RegistryKey* FindKey(const RegistryKey& from, const std::vector<std::string>& path) {
    return FindKey(const_cast<RegistryKey&>(from), path);
}

RegistryKey* FindKey(RegistryKey& from, const std::vector<std::string>& path) {
    RegistryKey* key = &from;
    for (const std::string& piece : path) {
        key = key->FindSubKey(piece);
        if (!key) return nullptr;
    }
    return key;
}

}  // namespace platform::registry_detail
