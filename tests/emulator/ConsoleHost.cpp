#include "tests/emulator/ConsoleHost.h"

#include "serial/PortMap.h"

#include <thread>

namespace {
constexpr uint32_t BAUD = 115200;
constexpr uint8_t BYTE_SIZE = 8;
constexpr uint32_t RECEIVE_NOTIFY_COUNT = 1;
constexpr std::chrono::milliseconds POLL_STEP(10);
} // namespace

ConsoleHost::ConsoleHost(const std::string& devicePath) {
    const uint32_t port = PortMap::Global().AddCommandLinePort(devicePath);
    lib_.SetOptions(EN_CONSOLE_OPTIONS);
    lib_.SetNotifyCount(RECEIVE_NOTIFY_COUNT);
    lib_.SetNotifyWindow(&notify_);
    lib_.SetOwnerWindow(&owner_);
    lib_.EnableSentRecord(1);
    ok_ = port != 0 && lib_.Open(port, BAUD, NOPARITY, BYTE_SIZE, ONESTOPBIT);
}

ConsoleHost::~ConsoleHost() {
    lib_.Close();
}

void ConsoleHost::Record() {
    bytesSent_ += lib_.TakeSentText().size() / 3;
}

void ConsoleHost::Pump(std::chrono::milliseconds timeout) {
    WindowMessage message{};
    if (!notify_.WaitFor(timeout, &message)) return;
    for (const WindowMessage& more : notify_.Drain()) (void)more;
    uint8_t buffer[256];
    uint32_t n;
    while ((n = lib_.GetRxBuffer().Read(buffer, sizeof buffer, true)) > 0)
        for (uint32_t i = 0; i < n; ++i) lib_.ParseStatusByte(buffer[i]);
    for (const WindowMessage& posted : owner_.Drain()) seen_.push_back(posted.message);
}

bool ConsoleHost::WaitForNotification(uint32_t msg, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        for (size_t i = 0; i < seen_.size(); ++i)
            if (seen_[i] == msg) {
                seen_.erase(seen_.begin(), seen_.begin() + static_cast<long>(i) + 1);
                return true;
            }
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Pump(POLL_STEP * 10);
    }
}

bool ConsoleHost::Handshake(std::chrono::milliseconds timeout) {
    lib_.RequestStatus();
    Record();
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!lib_.IsStatusReceived()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        Pump(POLL_STEP * 10);
    }
    return true;
}

std::vector<uint32_t> ConsoleHost::Notifications(std::chrono::milliseconds pump) {
    const auto deadline = std::chrono::steady_clock::now() + pump;
    while (std::chrono::steady_clock::now() < deadline) Pump(POLL_STEP);
    std::vector<uint32_t> all;
    all.swap(seen_);
    return all;
}

bool WaitForPrinter(vprinter::VirtualPrinter& printer, size_t count,
                    std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const uint64_t consumed =
            printer.WithInterpreter([](vprinter::Interpreter& i) { return i.BytesConsumed(); });
        if (consumed >= count) return true;
        std::this_thread::sleep_for(POLL_STEP);
    }
    return false;
}
