#include "platform/MessageQueue.h"

#include "platform/WindowRegistry.h"

namespace gb {

MessageQueue::MessageQueue() : handle_(WindowRegistry::Register(*this)) {}

MessageQueue::~MessageQueue() {
    WindowRegistry::Unregister(handle_);
}

void MessageQueue::Post(const WindowMessage& message) {
    {
        std::lock_guard lock(mutex_);
        messages_.push_back(message);
    }
    arrived_.notify_one();
}

WindowMessage MessageQueue::TakeLocked() {
    const WindowMessage message = messages_.front();
    messages_.pop_front();
    return message;
}

WindowMessage MessageQueue::Wait() {
    std::unique_lock lock(mutex_);
    arrived_.wait(lock, [this] { return !messages_.empty(); });
    return TakeLocked();
}

std::optional<WindowMessage> MessageQueue::WaitFor(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    if (!arrived_.wait_for(lock, limit, [this] { return !messages_.empty(); })) {
        return std::nullopt;
    }
    return TakeLocked();
}

std::optional<WindowMessage> MessageQueue::TryTake() {
    std::lock_guard lock(mutex_);
    if (messages_.empty()) {
        return std::nullopt;
    }
    return TakeLocked();
}

}  // namespace gb
