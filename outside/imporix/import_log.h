// The stand-in import's one piece of work: read the list file and log the call beside it.
//
// Plain C++ and the standard library only. Stateless; safe from any thread that does not share
// the log file.
#pragma once

#include <string>

namespace imporix {

// The largest list file read; a bigger one is a read failure.
constexpr unsigned long long kMaxListBytes = 16ull * 1024 * 1024;

// Reads the list `path` and appends "<call>;<lines read>" as one line to "IMPORIX.LOG" in the
// list's folder (the current folder for a bare name). True when both worked; false for a null
// path, a list that cannot be read or is over kMaxListBytes, or a log that cannot be written.
[[nodiscard]] bool ReadListAndLog(const char* path, const std::string& call);

}  // namespace imporix
