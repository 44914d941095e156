// The task allocator: memory that one side of an interface allocates and the other frees.
//
// Arrays and records that the server hands to its callers are allocated here and freed by the
// caller with CoTaskMemFree. A zero-size allocation returns a valid, unique pointer. Thread-safe.
#pragma once

#include <cstddef>

namespace platform {

[[nodiscard]] void* CoTaskMemAlloc(std::size_t size);
[[nodiscard]] void* CoTaskMemRealloc(void* block, std::size_t size);
void CoTaskMemFree(void* block);

}  // namespace platform
