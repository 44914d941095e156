// The test helpers that gather forked children at a meeting point and wait for them to end.
#include "platform/tests/support/child_processes.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

using namespace kelvo::testing;

// A child that meets the others at `meeting` and ends with 0 when it was let go, 1 otherwise.
pid_t Participant(ProcessBarrier& meeting) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(meeting.Arrive() ? 0 : 1);
    return child;
}

TEST(ProcessBarrier, EveryArrivedParticipantIsLetGo) {
    ProcessBarrier meeting(3);
    std::vector<pid_t> children;
    for (int i = 0; i < 3; ++i) children.push_back(Participant(meeting));
    EXPECT_TRUE(meeting.ReleaseAll());
    for (const pid_t child : children) EXPECT_EQ(WaitForChild(child), 0);
}

// A participant that ends before it arrives must fail the meeting, not hold the test for ever,
// and the one that did arrive still goes on.
TEST(ProcessBarrier, ParticipantEndingBeforeItArrivesFailsTheMeeting) {
    ProcessBarrier meeting(2);
    const pid_t arriving = Participant(meeting);
    const pid_t leaving = ::fork();
    if (leaving == 0) ::_exit(7);
    EXPECT_FALSE(meeting.ReleaseAll());
    EXPECT_EQ(WaitForChild(arriving), 0);
    EXPECT_EQ(WaitForChild(leaving), 7);
}

// A participant whose test ended without letting it go is not held for ever.
TEST(ProcessBarrier, ParticipantOfAnEndedMeetingIsNotHeld) {
    pid_t child = -1;
    {
        ProcessBarrier meeting(1);
        child = Participant(meeting);
    }
    EXPECT_EQ(WaitForChild(child), 1);
}

// A child that does not end within the limit counts as hung (-1) instead of stalling the test;
// once it ends it is reaped with its code.
TEST(WaitForChild, HungChildIsReportedAfterTheLimit) {
    int hold[2];
    ASSERT_EQ(::pipe(hold), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(hold[1]);
        char byte = 0;
        ::_exit(::read(hold[0], &byte, 1) == 0 ? 4 : 5);
    }
    ::close(hold[0]);
    EXPECT_EQ(WaitForChild(child, std::chrono::seconds(1)), -1);
    ::close(hold[1]);
    EXPECT_EQ(WaitForChild(child), 4);
    EXPECT_EQ(WaitForChild(::getpid()), -1);  // no child of ours
}

// Every remaining child is reaped with its code, and the wait ends when none is left.
TEST(WaitForRemainingChildren, ReapsEveryChildThenStops) {
    for (const int code : {3, 1, 2}) {
        if (::fork() == 0) ::_exit(code);
    }
    std::vector<int> codes = WaitForRemainingChildren();
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(WaitForRemainingChildren().empty());
}

}  // namespace
