// Work for the moment the event loop has nothing else to do.
#pragma once

#include <functional>

namespace platform::ui {

// Runs `task` once, inside the dispatch boundary, from whichever event loop runs (a modal
// dialog's included): the next time that loop would wait for events, it runs after the events
// already waiting. User-interface thread, with the Qt application made.
void RunWhenIdle(std::function<void()> task);

}  // namespace platform::ui
