#pragma once
// The progress message a retrieval posts to the main window: the kind in the
// first parameter, the retrieval's request number in the second. Every
// retrieval posts exactly one end message (success or failure).

#include <cstdint>

#include "platform/MessageTarget.h"

inline constexpr std::uint32_t WM_RETRIEVAL_NOTIFY = gb::WM_USER + 1;

enum class RetrievalNotifyKind : std::uintptr_t {
    Success = 0,
    Detail = 1,  // a progress tick
    Failure = 2,
};
