// Window messages without a windowing system: a handle is a registered message
// target, and posting appends to that target's queue. Worker threads post; the owner
// handles the messages on its own thread, in the order posted.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

struct WindowMessage {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

class MessageWindow {
public:
    virtual ~MessageWindow();
    // Called on the posting thread, under the registry's lock; an implementation
    // queues the message for its own user-interface thread and returns at once.
    virtual void DeliverMessage(const WindowMessage& msg) = 0;
};

using HWND = MessageWindow*;

void RegisterWindow(HWND hWnd);
void UnregisterWindow(HWND hWnd);
bool IsWindow(HWND hWnd);
// False, and nothing delivered, when hWnd is not registered.
bool PostMessage(HWND hWnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);
// Delivered the same way as PostMessage: there is no cross-thread call here.
bool SendMessage(HWND hWnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);

// A message target with its own queue, for tests and for owners without Qt.
class QueueWindow : public MessageWindow {
public:
    QueueWindow();
    ~QueueWindow() override;
    QueueWindow(const QueueWindow&) = delete;
    QueueWindow& operator=(const QueueWindow&) = delete;

    void DeliverMessage(const WindowMessage& msg) override;
    // Takes the oldest message, waiting up to `timeout` for one to arrive.
    bool WaitFor(std::chrono::milliseconds timeout, WindowMessage* out);
    // Takes every queued message, oldest first.
    std::vector<WindowMessage> Drain();
    size_t Pending() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<WindowMessage> queue_;
};
