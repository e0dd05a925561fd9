#pragma once
// The process-wide registry of window handles and their message targets.

#include <cstdint>

#include "platform/MessageTarget.h"

namespace gb {

class WindowRegistry {
public:
    // Gives `target` a new handle, never 0 and not in use.
    static WindowHandle Register(MessageTarget& target);
    // Once this returns, no message is being or will be delivered to the
    // handle's target, so the target may be destroyed.
    static void Unregister(WindowHandle handle);
    // Hands the message to the handle's target; false for an unknown handle.
    // Messages posted by one thread arrive in the order posted.
    static bool Post(WindowHandle handle, const WindowMessage& message);
};

// Thread-safe and never blocks on the receiving thread.
inline bool PostMessage(WindowHandle handle, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    return WindowRegistry::Post(handle, WindowMessage{message, wParam, lParam});
}

}  // namespace gb
