// The bound on the input that all connections of a server loop hold together.
//
// Each connection charges the memory its input buffer reserves and gives it back as the buffer
// shrinks or the connection ends; a growth that would pass the limit is refused, and the loop then
// closes that connection. So many clients sending large frames at once cannot make the server hold
// more than the limit, while each of them may still send one frame of the largest size. Used only
// by the loop's thread.
#pragma once

#include <cstddef>

namespace platform::com {

class InputBudget {
public:
    explicit InputBudget(std::size_t limit) : limit_(limit) {}
    InputBudget(const InputBudget&) = delete;
    InputBudget& operator=(const InputBudget&) = delete;

    // Charges `bytes` more; false, charging nothing, when that would pass the limit.
    [[nodiscard]] bool Take(std::size_t bytes);
    // Gives back `bytes` that were taken.
    void Give(std::size_t bytes) { used_ -= bytes; }

private:
    std::size_t limit_;
    std::size_t used_ = 0;
};

}  // namespace platform::com
