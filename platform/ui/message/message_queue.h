// The queue of messages for windows, handled on the user-interface thread (internal).
#pragma once

#include "platform/ui/message/messages.h"

#include <memory>

namespace platform::ui::detail {

// Makes the receiver of queued messages, a child of the application object (user-interface
// thread; once).
void StartMessageQueue();

// What a sending thread waits for: the handler's result, or 0 when the message was dropped.
class SentReply;

struct QueuedMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::unique_ptr<MessagePayload> payload;
    std::shared_ptr<SentReply> reply;  // null for a posted message
};

// Queues `message` for the user-interface thread; false (and the message dropped) when there is
// no queue.
bool Enqueue(QueuedMessage message);

}  // namespace platform::ui::detail
