// The wait cursor: a count of the operations that asked for it, and a scope that asks for it.
//
// The hourglass shows while the count is above zero; the scope keeps the count right when the
// operation throws. User-interface thread.
#pragma once

namespace platform::ui {

void BeginWaitCursor();
// Does nothing when no wait cursor is begun.
void EndWaitCursor();
// Shows the wait cursor again when one is begun (a dialog may have changed the cursor).
void RestoreWaitCursor();

// Begins a wait cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor() { BeginWaitCursor(); }
    ~WaitCursor() { EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void Restore() { RestoreWaitCursor(); }
};

}  // namespace platform::ui
