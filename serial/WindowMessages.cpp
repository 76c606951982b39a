#include "serial/WindowMessages.h"

#include <algorithm>

namespace {

// The registry of live targets. Delivery happens under its lock, so a target that
// unregisters (in its destructor) never receives a message half-way.
std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<HWND>& Registry() {
    static std::vector<HWND> windows;
    return windows;
}

bool Registered(HWND hWnd) {
    const auto& windows = Registry();
    return hWnd && std::find(windows.begin(), windows.end(), hWnd) != windows.end();
}

} // namespace

MessageWindow::~MessageWindow() = default;

void RegisterWindow(HWND hWnd) {
    if (!hWnd) return;
    std::lock_guard<std::mutex> lock(RegistryMutex());
    if (!Registered(hWnd)) Registry().push_back(hWnd);
}

void UnregisterWindow(HWND hWnd) {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    auto& windows = Registry();
    windows.erase(std::remove(windows.begin(), windows.end(), hWnd), windows.end());
}

bool IsWindow(HWND hWnd) {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    return Registered(hWnd);
}

bool PostMessage(HWND hWnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    if (!Registered(hWnd)) return false;
    hWnd->DeliverMessage(WindowMessage{msg, wParam, lParam});
    return true;
}

bool SendMessage(HWND hWnd, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    return PostMessage(hWnd, msg, wParam, lParam);
}

QueueWindow::QueueWindow() {
    RegisterWindow(this);
}

QueueWindow::~QueueWindow() {
    UnregisterWindow(this);
}

void QueueWindow::DeliverMessage(const WindowMessage& msg) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(msg);
    }
    arrived_.notify_all();
}

bool QueueWindow::WaitFor(std::chrono::milliseconds timeout, WindowMessage* out) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!arrived_.wait_for(lock, timeout, [this] { return !queue_.empty(); })) return false;
    if (out) *out = queue_.front();
    queue_.pop_front();
    return true;
}

std::vector<WindowMessage> QueueWindow::Drain() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<WindowMessage> all(queue_.begin(), queue_.end());
    queue_.clear();
    return all;
}

size_t QueueWindow::Pending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.size();
}
