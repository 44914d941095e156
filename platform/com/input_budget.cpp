#include "platform/com/input_budget.h"

namespace platform::com {

bool InputBudget::Take(std::size_t bytes) {
    if (bytes > limit_ - used_) return false;
    used_ += bytes;
    return true;
}

}  // namespace platform::com
