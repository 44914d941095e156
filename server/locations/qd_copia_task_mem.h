// Handing a list of 32-bit numbers (positions, type positions) to an interface caller: a copy in
// memory of the task allocator, which the caller frees with CoTaskMemFree. Safe from any thread.
#pragma once

#include "platform/com/task_allocator.h"

#include <cstdint>
#include <cstring>
#include <vector>

// A new task-allocator array with the numbers of `lista` (a valid, empty block for none); null
// when memory runs out.
[[nodiscard]] inline std::uint32_t* QDCopiaTaskMemLocArq(const std::vector<std::uint32_t>& lista) {
    auto* array = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(lista.size() * sizeof(std::uint32_t)));
    if (array && !lista.empty()) std::memcpy(array, lista.data(), lista.size() * sizeof(std::uint32_t));
    return array;
}
