// Whether a machine name given to the registry, activation or the event log names this machine.
//
// Empty, ".", this host's full name or its first label, with or without a leading "\\", any
// letter case: all this machine (the registry store accepts the same names). Safe from any
// thread.
#pragma once

#include <string_view>

namespace platform {

[[nodiscard]] bool IsThisMachine(std::string_view name);

}  // namespace platform
