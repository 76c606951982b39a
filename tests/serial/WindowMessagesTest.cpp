#include <gtest/gtest.h>

#include <thread>

#include "serial/WindowMessages.h"

using namespace std::chrono_literals;

namespace {

TEST(WindowMessages, PostingReachesOnlyRegisteredWindowsInOrder) {
    auto window = std::make_unique<QueueWindow>();
    HWND handle = window.get();
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_FALSE(IsWindow(nullptr));
    EXPECT_FALSE(PostMessage(nullptr, 1, 0, 0));
    for (uint32_t i = 0; i < 5; ++i)
        EXPECT_TRUE(PostMessage(handle, 0x66A + i, i, -static_cast<intptr_t>(i)));
    const auto messages = window->Drain();
    ASSERT_EQ(messages.size(), 5u);
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(messages[i].message, 0x66A + i);
        EXPECT_EQ(messages[i].wParam, i);
        EXPECT_EQ(messages[i].lParam, -static_cast<intptr_t>(i));
    }
    window.reset();
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(PostMessage(handle, 1, 0, 0));
}

TEST(WindowMessages, WaitForReturnsWhenAMessageArrivesFromAnotherThread) {
    QueueWindow window;
    WindowMessage msg{};
    EXPECT_FALSE(window.WaitFor(20ms, &msg));
    std::thread poster([&] {
        std::this_thread::sleep_for(30ms);
        PostMessage(&window, 42, 7, 1);
    });
    EXPECT_TRUE(window.WaitFor(5s, &msg));
    poster.join();
    EXPECT_EQ(msg.message, 42u);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(WindowMessages, UnregisteringWhilePostersRunIsSafe) {
    std::atomic<bool> stop{false};
    auto window = std::make_unique<QueueWindow>();
    HWND handle = window.get();
    std::thread poster([&] {
        while (!stop) PostMessage(handle, 1, 0, 0);
    });
    std::this_thread::sleep_for(20ms);
    window.reset(); // unregisters under the lock; no delivery can follow
    std::this_thread::sleep_for(10ms);
    stop = true;
    poster.join();
    EXPECT_FALSE(IsWindow(handle));
}

} // namespace
