// Waiting for another process's file: the test looks again each time an entry is moved into the
// folder, never on a timer.
//
// A process that hands a test a file writes it under another name and renames it into place, so
// that the test never reads it half written. For the test's main thread.
#pragma once

#include "platform/tests/support/child_processes.h"

#include <chrono>
#include <filesystem>
#include <functional>

namespace kelvo::testing {

// Waits until `satisfied` holds: asked at once, then after every entry moved into `folder` (an
// existing folder). False when it still does not hold after `limit`.
[[nodiscard]] bool WaitInFolder(const std::filesystem::path& folder, const std::function<bool()>& satisfied,
                                std::chrono::seconds limit = kWaitLimit);

}  // namespace kelvo::testing
