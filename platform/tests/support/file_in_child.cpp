#include "platform/tests/support/file_in_child.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace kelvo::testing {

Pipe::Pipe() { EXPECT_EQ(::pipe(fds_.data()), 0); }

Pipe::~Pipe() {
    for (int fd : fds_) ::close(fd);
}

void Pipe::Send(char byte) { EXPECT_EQ(::write(fds_[1], &byte, 1), 1); }

char Pipe::Receive() {
    char byte = 0;
    return ::read(fds_[0], &byte, 1) == 1 ? byte : '\0';
}

pid_t OpenInChild(const platform::String& path, unsigned flags, Pipe& report, Pipe& release, ProcessBarrier* start) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    if (start && !start->Arrive()) ::_exit(1);
    platform::File file;
    const bool opened = file.Open(path, flags);
    report.Send(opened ? 'y' : 'n');
    (void)release.Receive();
    ::_exit(0);
}

void Reap(pid_t child) { EXPECT_EQ(WaitForChild(child), 0); }

}  // namespace kelvo::testing
