#include "tests/support/SerialTestSupport.h"

#include <algorithm>
#include <thread>
#include <time.h>

namespace {

std::mutex& CaptureMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<std::string>& Captured() {
    static std::vector<std::string> messages;
    return messages;
}

void Capture(const char* message) {
    std::lock_guard<std::mutex> lock(CaptureMutex());
    Captured().emplace_back(message);
}

} // namespace

int64_t ElapsedMs(const std::function<void()>& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

double ProcessCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

std::vector<uint8_t> Pattern(size_t length, size_t offset) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<uint8_t>(((i + offset) * 7 + 3) % 251);
    return bytes;
}

DiagnosticsCapture::DiagnosticsCapture() {
    {
        std::lock_guard<std::mutex> lock(CaptureMutex());
        Captured().clear();
    }
    SetCnDiagnosticsHook(Capture);
}

DiagnosticsCapture::~DiagnosticsCapture() {
    SetCnDiagnosticsHook(nullptr);
}

std::vector<std::string> DiagnosticsCapture::Messages() const {
    std::lock_guard<std::mutex> lock(CaptureMutex());
    return Captured();
}

bool DiagnosticsCapture::Contains(const std::string& text) const {
    const auto all = Messages();
    return std::find(all.begin(), all.end(), text) != all.end();
}

int RecordingDevice::WriteSome(const void* buffer, uint32_t length) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lengths_.push_back(length);
    }
    return inner_->WriteSome(buffer, length);
}

std::vector<uint32_t> RecordingDevice::WriteLengths() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lengths_;
}

bool TestLine::OpenPort() {
    if (!CSerialLine::OpenPort()) return false;
    if (recordWrites) {
        auto wrapped = std::make_unique<RecordingDevice>(std::move(hComm_));
        recorder = wrapped.get();
        AttachDevice(std::move(wrapped));
    }
    return true;
}
