#pragma once
// Window messages between threads: a main window is a numbered handle whose
// target receives the messages other threads post to it.

#include <cstdint>

namespace gb {

// A window's number in the process; 0 is never a window.
using WindowHandle = std::uint32_t;

// The first message number the programs define for themselves.
inline constexpr std::uint32_t WM_USER = 0x0400;

struct WindowMessage {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;

    friend bool operator==(const WindowMessage&, const WindowMessage&) = default;
};

// What receives the messages of one handle. Post runs on the posting thread: it
// must only queue the message for the target's own thread, never block, and
// never call WindowRegistry.
class MessageTarget {
public:
    virtual void Post(const WindowMessage& message) = 0;

protected:
    ~MessageTarget() = default;
};

}  // namespace gb
