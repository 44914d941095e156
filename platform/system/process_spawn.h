// Starting other programs: a detached server process, or a command whose output is wanted.
//
// Arguments are UTF-8 (they go to the kernel as they are); a program name without a '/' is
// searched in PATH. Children get standard input from /dev/null and inherit no descriptor of
// ours beyond the three standard ones. Results are Win32 errors: ERROR_FILE_NOT_FOUND when the
// program does not exist, ERROR_ACCESS_DENIED when it may not be run. Safe from any thread.
#pragma once

#include "platform/win32_error.h"

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits a command line into its arguments: blanks separate them, double quotes group blanks
// into one argument and are removed. Windows-1252 or UTF-8 alike (bytes are kept).
[[nodiscard]] std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// Starts `arguments[0]` with `arguments`, detached from this process: a session of its own, no
// parent to wait for it, standard output and error on /dev/null. *processId receives its id once
// the program has been loaded; a program that cannot be loaded reports its error here.
[[nodiscard]] Win32Error SpawnDetached(const std::vector<std::string>& arguments, pid_t* processId);

// Runs `arguments[0]` with `arguments`, its standard output and error both into `output`, and
// waits for it to end. At most `maxOutput` bytes are kept; the rest is read and dropped so that
// the program never blocks on a full pipe. *exitCode receives its exit status (128 + the
// signal's number when a signal ended it).
[[nodiscard]] Win32Error RunAndCapture(const std::vector<std::string>& arguments, std::string& output, int* exitCode,
                                       std::size_t maxOutput = std::size_t{1} << 16);

// True while process `processId` exists and has not ended (an ended child that nobody has
// waited for yet counts as ended).
[[nodiscard]] bool ProcessIsRunning(pid_t processId);

}  // namespace platform
