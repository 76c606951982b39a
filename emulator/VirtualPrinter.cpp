#include "emulator/VirtualPrinter.h"

#include "emulator/ControlCommands.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vprinter {

namespace {
constexpr size_t READ_CHUNK = 65536;
constexpr int HANGUP_PAUSE_MS = 50; // a line without a peer is polled this slowly
using Clock = std::chrono::steady_clock;
} // namespace

VirtualPrinter::VirtualPrinter(Options options)
    : options_(std::move(options)),
      interpreter_(options_.widthDots,
                   InterpreterEvents{[this](const uint8_t* data, size_t length) {
                                         if (port_.Write(data, length) < length)
                                             Log("the host did not take the printer's reply");
                                     },
                                     [this](const PaperBitmap& paper, ReceiptEnd reason) {
                                         ++receiptCount_;
                                         if (onReceipt_) onReceipt_(paper, reason);
                                     },
                                     [this](const std::string& line) { Log(line); }}) {}

VirtualPrinter::~VirtualPrinter() {
    Stop();
    for (int fd : wake_)
        if (fd >= 0) ::close(fd);
}

void VirtualPrinter::Log(const std::string& line) {
    if (onLog_) onLog_(line);
}

bool VirtualPrinter::Open(std::string* error) {
    if (!port_.Open(error)) return false;
    if (!options_.linkPath.empty() && !port_.MakeLink(options_.linkPath, error)) return false;
    return true;
}

bool VirtualPrinter::Start() {
    if (!port_.IsOpen() || running_) return false;
    if (wake_[0] < 0 && ::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return true;
}

void VirtualPrinter::Stop() {
    if (running_.exchange(false)) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &wake, 1);
    }
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    interpreter_.EndReceipt(ReceiptEnd::Exit);
}

void VirtualPrinter::Run() {
    std::vector<uint8_t> buffer(READ_CHUNK);
    auto lastInput = Clock::now();
    while (running_) {
        int timeout = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (interpreter_.HasPrintedPaper()) {
                const auto idle =
                    std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastInput)
                        .count();
                if (idle >= options_.idleMs)
                    interpreter_.EndReceipt(ReceiptEnd::Idle);
                else
                    timeout = static_cast<int>(options_.idleMs - idle);
            }
        }
        pollfd fds[2] = {{port_.MasterFd(), POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, timeout) < 0) continue;
        if (fds[1].revents) break;
        if (fds[0].revents & POLLIN) {
            const long n = port_.Read(buffer.data(), buffer.size());
            if (n > 0) {
                lastInput = Clock::now();
                std::lock_guard<std::mutex> lock(mutex_);
                interpreter_.Feed(buffer.data(), static_cast<size_t>(n));
                continue;
            }
        }
        if (fds[0].revents & (POLLHUP | POLLERR))
            ::poll(nullptr, 0, HANGUP_PAUSE_MS); // no peer on the line: do not spin
    }
}

void VirtualPrinter::SetCondition(uint8_t statusBit, bool present) {
    std::lock_guard<std::mutex> lock(mutex_);
    interpreter_.SetCondition(statusBit, present);
}

void VirtualPrinter::SetSensorValue(int value) {
    std::lock_guard<std::mutex> lock(mutex_);
    interpreter_.SetSensorValue(value);
}

bool VirtualPrinter::Control(const std::string& line, std::string* reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    const ControlResult result = ApplyControlLine(interpreter_, line);
    if (result.endReceipt) interpreter_.EndReceipt(ReceiptEnd::Cut);
    *reply = result.reply;
    return !result.quit;
}

void VirtualPrinter::EndReceipt() {
    std::lock_guard<std::mutex> lock(mutex_);
    interpreter_.EndReceipt(ReceiptEnd::Cut);
}

bool VirtualPrinter::CopyPaper(PaperBitmap* paper, int* printRow, uint64_t* version) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (interpreter_.PaperVersion() == *version) return false;
    *version = interpreter_.PaperVersion();
    *paper = interpreter_.Paper();
    *printRow = interpreter_.PrintRow();
    return true;
}

} // namespace vprinter
