#pragma once
// A window without a window: a registered handle whose messages wait in a queue
// until the owning thread takes them. Used by headless runs and tests.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

#include "platform/MessageTarget.h"

namespace gb {

class MessageQueue final : public MessageTarget {
public:
    MessageQueue();
    MessageQueue(const MessageQueue&) = delete;
    MessageQueue& operator=(const MessageQueue&) = delete;
    ~MessageQueue();

    WindowHandle Handle() const { return handle_; }

    void Post(const WindowMessage& message) override;

    // The oldest message; waits for one.
    WindowMessage Wait();
    // The oldest message, or nothing when none arrives within `limit`.
    std::optional<WindowMessage> WaitFor(std::chrono::milliseconds limit);
    // The oldest message if one is there.
    std::optional<WindowMessage> TryTake();

private:
    WindowMessage TakeLocked();

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<WindowMessage> messages_;
    WindowHandle handle_;
};

}  // namespace gb
