// The registry store's content in memory: one tree of keys and values per root file.
//
// Names keep the case first written and are found through their Windows-1252 lower-case form.
// Every key carries an id that is unique within its file and never reused, so that a handle can
// tell its key from a later key of the same name. Sub-keys are kept sorted by folded name (the
// order enumeration gives); values keep their order of creation. Plain values, no locking: the
// store hands out immutable copies and edits private ones.
#pragma once

#include "platform/registry/registry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry_detail {

// Bounds of the original platform, enforced on every name and path, from callers and files alike.
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;
constexpr std::size_t kMaxKeyDepth = 512;
// Largest value the store accepts (bytes).
constexpr std::size_t kMaxValueSize = std::size_t{1} << 20;

// The id of a file's root key, and the bound of every id (well short of the top, so that
// "id + 1" never wraps).
constexpr std::uint64_t kRootKeyId = 0;
constexpr std::uint64_t kMaxKeyId = std::uint64_t{1} << 62;

struct RegistryValue {
    std::string name;
    std::string folded;
    DWORD type = REG_NONE;
    std::string data;
};

struct RegistryKey {
    std::string name;
    std::string folded;
    std::uint64_t id = kRootKeyId;
    std::vector<RegistryValue> values;
    std::vector<RegistryKey> subKeys;

    // The sub-key or value called `name` in any case; null when absent.
    [[nodiscard]] const RegistryKey* FindSubKey(std::string_view name) const;
    [[nodiscard]] RegistryKey* FindSubKey(std::string_view name);
    [[nodiscard]] const RegistryValue* FindValue(std::string_view name) const;
    [[nodiscard]] RegistryValue* FindValue(std::string_view name);

    // Adds a sub-key that the caller has found absent; the reference lives until this key's
    // sub-keys change again.
    RegistryKey& AddSubKey(std::string_view name, std::uint64_t id);
    // Appends a value that the caller has found absent (type REG_NONE, no data).
    RegistryValue& AddValue(std::string_view name);
    // Removes the sub-key or value called `name`; false when absent.
    bool RemoveSubKey(std::string_view name);
    bool RemoveValue(std::string_view name);
};

struct RegistryTree {
    RegistryKey root;
    std::uint64_t nextId = kRootKeyId + 1;  // the id the next new key takes
};

// `name` folded to Windows-1252 lower case.
[[nodiscard]] std::string FoldName(std::string_view name);

// Splits a sub-key path at backslashes, skipping empty pieces (null gives no pieces); false when a
// piece is longer than kMaxKeyNameLength or there are more than kMaxKeyDepth pieces.
[[nodiscard]] bool SplitKeyPath(const char* path, std::vector<std::string>* pieces);

// The key at `path` below `from` (each piece in any case); null when a piece is missing.
[[nodiscard]] const RegistryKey* FindKey(const RegistryKey& from, const std::vector<std::string>& path);
[[nodiscard]] RegistryKey* FindKey(RegistryKey& from, const std::vector<std::string>& path);

}  // namespace platform::registry_detail
