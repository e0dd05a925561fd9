#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "interfaces/RetrievalNotify.h"
#include "platform/MessageQueue.h"
#include "platform/WindowRegistry.h"

namespace gb {
namespace {

// Long enough never to fire on a working build; it only keeps a broken one
// from hanging.
constexpr std::chrono::seconds kPatience{30};

TEST(WindowMessage, APostedMessageArrivesOnTheTargetsQueue) {
    MessageQueue window;
    EXPECT_NE(window.Handle(), 0u);
    EXPECT_FALSE(window.TryTake());
    ASSERT_TRUE(PostMessage(window.Handle(), WM_RETRIEVAL_NOTIFY,
                            static_cast<std::uintptr_t>(RetrievalNotifyKind::Failure), 3));
    EXPECT_EQ(window.WaitFor(kPatience), (WindowMessage{0x401, 2, 3}));
    EXPECT_FALSE(window.TryTake());
}

TEST(WindowMessage, PostingToAnUnknownHandleFails) {
    WindowHandle gone = 0;
    {
        MessageQueue window;
        gone = window.Handle();
        MessageQueue other;
        EXPECT_NE(other.Handle(), gone);
    }
    EXPECT_FALSE(PostMessage(gone, WM_USER + 1, 0, 1));
    EXPECT_FALSE(PostMessage(0, WM_USER + 1, 0, 1));
}

TEST(WindowMessage, MessagesFromSeveralThreadsArriveInTheOrderEachPostedThem) {
    constexpr int kThreads = 4;
    constexpr int kMessages = 500;
    MessageQueue window;
    {
        std::vector<std::jthread> posters;
        for (int thread = 0; thread < kThreads; ++thread) {
            posters.emplace_back([&window, thread] {
                for (int i = 0; i < kMessages; ++i) {
                    EXPECT_TRUE(PostMessage(window.Handle(), WM_USER + 1,
                                            static_cast<std::uintptr_t>(thread), i));
                }
            });
        }
    }
    std::vector<std::intptr_t> next(kThreads, 0);
    for (int received = 0; received < kThreads * kMessages; ++received) {
        const std::optional<WindowMessage> message = window.WaitFor(kPatience);
        ASSERT_TRUE(message);
        ASSERT_LT(message->wParam, static_cast<std::uintptr_t>(kThreads));
        EXPECT_EQ(message->lParam, next[message->wParam]++);
    }
    EXPECT_FALSE(window.TryTake());
}

TEST(WindowMessage, AWaitingThreadWakesWhenAMessageArrives) {
    MessageQueue window;
    std::jthread poster([&window] { PostMessage(window.Handle(), WM_USER + 1, 1, 7); });
    EXPECT_EQ(window.Wait(), (WindowMessage{WM_USER + 1, 1, 7}));
}

}  // namespace
}  // namespace gb
