// A file opened in a forked child, for tests of what one process's open means to another's.
#pragma once

#include "platform/file/file.h"
#include "platform/tests/support/child_processes.h"

#include <sys/types.h>

#include <array>

namespace kelvo::testing {

// A pipe pair to make a child process wait for the parent and report back.
class Pipe {
public:
    Pipe();
    ~Pipe();
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    void Send(char byte);
    // The next byte, or '\0' when the writing end is closed.
    char Receive();

private:
    std::array<int, 2> fds_{};
};

// Runs `flags` on `path` in a child, once every child of `start` (when given) exists: it reports
// 'y' or 'n' through `report`, then holds the file until `release` says so. Returns the child's id.
pid_t OpenInChild(const platform::String& path, unsigned flags, Pipe& report, Pipe& release,
                  ProcessBarrier* start = nullptr);

// Waits for `child` and expects it to have ended with 0.
void Reap(pid_t child);

}  // namespace kelvo::testing
