#include "platform/tests/support/child_processes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace kelvo::testing {

namespace {

using Clock = std::chrono::steady_clock;

void CloseEnd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

bool ReadByte(int fd) {
    char byte = 0;
    ssize_t got = 0;
    do {
        got = ::read(fd, &byte, 1);
    } while (got < 0 && errno == EINTR);
    return got == 1;
}

void Interrupt(int) {}

// While it lives, a blocking call of this thread is interrupted (EINTR) once `limit` has passed,
// and every second after that, in case one signal came just before the call began.
class Deadline {
public:
    explicit Deadline(std::chrono::seconds limit) : end_(Clock::now() + limit) {
        struct sigaction action {};
        action.sa_handler = &Interrupt;  // no SA_RESTART: the wait must return
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGALRM, &action, &previousAction_);
        sigset_t alarm;
        sigemptyset(&alarm);
        sigaddset(&alarm, SIGALRM);
        ::pthread_sigmask(SIG_UNBLOCK, &alarm, &previousMask_);
        sigevent event{};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = SIGALRM;
        event._sigev_un._tid = ::gettid();
        armed_ = ::timer_create(CLOCK_MONOTONIC, &event, &timer_) == 0;
        EXPECT_TRUE(armed_) << "without a timer the wait is unbounded";
        if (!armed_) return;
        itimerspec when{};
        when.it_value.tv_sec = std::max<long>(1, static_cast<long>(limit.count()));
        when.it_interval.tv_sec = 1;
        ::timer_settime(timer_, 0, &when, nullptr);
    }
    ~Deadline() {
        if (armed_) ::timer_delete(timer_);
        ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
        ::sigaction(SIGALRM, &previousAction_, nullptr);
    }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

    [[nodiscard]] bool Passed() const { return Clock::now() >= end_; }

private:
    Clock::time_point end_;
    struct sigaction previousAction_ {};
    sigset_t previousMask_{};
    timer_t timer_{};
    bool armed_ = false;
};

struct Ended {
    pid_t process = -1;  // -1: none ended
    int code = -1;
    bool noChildLeft = false;
};

// Blocks until the child `who` (-1: any child) ends, or the limit passes.
Ended WaitForEnd(pid_t who, std::chrono::seconds limit) {
    const Deadline deadline(limit);
    for (;;) {
        int status = 0;
        const pid_t process = ::waitpid(who, &status, 0);
        if (process > 0) return {process, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
        if (errno == ECHILD) return {.noChildLeft = true};
        if (errno != EINTR || deadline.Passed()) return {};
    }
}

}  // namespace

ProcessBarrier::ProcessBarrier(int participants) : participants_(participants) {
    EXPECT_EQ(::pipe2(arrivals_, O_CLOEXEC), 0);
    EXPECT_EQ(::pipe2(departures_, O_CLOEXEC), 0);
}

ProcessBarrier::~ProcessBarrier() {
    for (int* fd : {&arrivals_[0], &arrivals_[1], &departures_[0], &departures_[1]}) CloseEnd(*fd);
}

bool ProcessBarrier::Arrive() {
    // With only the test holding the write end, a test that ends lets this wait end too.
    CloseEnd(departures_[1]);
    const char arrived = 'a';
    const bool told = ::write(arrivals_[1], &arrived, 1) == 1;
    CloseEnd(arrivals_[1]);
    return told && ReadByte(departures_[0]);
}

bool ProcessBarrier::ReleaseAll() {
    // From now on only participants hold the write end: it closes when each has arrived or ended.
    CloseEnd(arrivals_[1]);
    int arrived = 0;
    while (arrived < participants_ && ReadByte(arrivals_[0])) ++arrived;
    const std::string go(static_cast<std::size_t>(arrived), 'g');
    const bool released = go.empty() || ::write(departures_[1], go.data(), go.size()) == static_cast<ssize_t>(go.size());
    return released && arrived == participants_;
}

std::vector<std::uint32_t> CollectNumbersAtOnce(int participants, const std::function<bool(const NumberSink&)>& body,
                                                bool& allSucceeded) {
    allSucceeded = false;
    int numbers[2] = {-1, -1};
    if (::pipe2(numbers, O_CLOEXEC) != 0) return {};
    ProcessBarrier start(participants);
    std::vector<pid_t> children;
    for (int child = 0; child < participants; ++child) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            CloseEnd(numbers[0]);
            const NumberSink sink = [&numbers](std::uint32_t number) {
                return ::write(numbers[1], &number, sizeof number) == sizeof number;
            };
            ::_exit(start.Arrive() && body(sink) ? 0 : 1);
        }
        if (pid > 0) children.push_back(pid);
    }
    CloseEnd(numbers[1]);
    bool succeeded = start.ReleaseAll() && static_cast<int>(children.size()) == participants;
    std::vector<std::uint32_t> collected;
    for (std::uint32_t number = 0; ::read(numbers[0], &number, sizeof number) == sizeof number;) {
        collected.push_back(number);
    }
    CloseEnd(numbers[0]);
    for (const pid_t pid : children) succeeded = WaitForChild(pid) == 0 && succeeded;
    allSucceeded = succeeded;
    return collected;
}

int WaitForChild(pid_t child, std::chrono::seconds limit) {
    const Ended ended = WaitForEnd(child, limit);
    return ended.process == child ? ended.code : -1;
}

std::vector<int> WaitForRemainingChildren(std::chrono::seconds limit) {
    std::vector<int> codes;
    for (;;) {
        const Ended ended = WaitForEnd(-1, limit);
        if (ended.noChildLeft) return codes;
        codes.push_back(ended.code);
        if (ended.process < 0) return codes;
    }
}

}  // namespace kelvo::testing
