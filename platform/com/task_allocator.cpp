#include "platform/com/task_allocator.h"

#include <cstdlib>

namespace platform {

void* CoTaskMemAlloc(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void* CoTaskMemRealloc(void* block, std::size_t size) { return std::realloc(block, size == 0 ? 1 : size); }

void CoTaskMemFree(void* block) { std::free(block); }

}  // namespace platform
