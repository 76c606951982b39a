#include "emulator/VirtualPrinter.h"

#include "emulator/ControlCommands.h"
#include "emulator/PtyPort.h"
#include "emulator/TcpPort.h"

#include <algorithm>
#include <cstdio>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace vprinter {

namespace {
constexpr size_t READ_CHUNK = 65536;
constexpr size_t PRINT_CHUNK = 256; // bytes printed between two looks at the paper's speed
constexpr int HANGUP_PAUSE_MS = 50; // a line without a peer is polled this slowly
constexpr int BITS_PER_BYTE_8N1 = 10; // start, eight data bits, stop
constexpr double LINE_BURST_SECONDS = 0.01;
constexpr uint8_t XON = 0x11;
constexpr uint8_t XOFF = 0x13;
constexpr uint8_t DLE = 0x10;
constexpr uint8_t EOT = 0x04;
constexpr uint8_t GS = 0x1D;
constexpr uint8_t AUTO_STATUS = 'a';
constexpr size_t REALTIME_LENGTH = 3; // DLE EOT n, GS a n
using Clock = RatePacer::Clock;

std::unique_ptr<HostLink> MakeLink(const VirtualPrinter::Options& options) {
    if (options.tcpPort >= 0) return std::make_unique<TcpPort>(options.tcpBind, options.tcpPort);
    return std::make_unique<PtyPort>();
}

double PrintSpeed(const VirtualPrinter::Options& options) {
    if (options.printSpeedMmS > 0) return options.printSpeedMmS;
    return options.baud > 0 ? PRN_DEFAULT_PRINT_SPEED : 0;
}

// Says how many bytes came from the line and their checksum, so a test can tell
// they are the bytes a program wrote.
constexpr const char* RECEIVED_COMMAND = "received";

int Milliseconds(Clock::duration d) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}
} // namespace

VirtualPrinter::VirtualPrinter(Options options)
    : options_(std::move(options)),
      link_(MakeLink(options_)),
      interpreter_(options_.widthDots,
                   InterpreterEvents{[this](const uint8_t* data, size_t length) {
                                         if (link_->Write(data, length) < length)
                                             Log("the host did not take the printer's reply");
                                     },
                                     [this](const PaperBitmap& paper, ReceiptEnd reason) {
                                         ++receiptCount_;
                                         if (onReceipt_) onReceipt_(paper, reason);
                                         if (onDetail_)
                                             onDetail_(paper, reason, interpreter_.Stored(),
                                                       interpreter_.DensityBands());
                                     },
                                     [this](const std::string& line) { Log(line); }}),
      buffer_(std::max<size_t>(options_.bufferBytes, 1)),
      line_(static_cast<double>(options_.baud) / BITS_PER_BYTE_8N1,
            static_cast<double>(options_.baud) / BITS_PER_BYTE_8N1 * LINE_BURST_SECONDS),
      paper_(PrintSpeed(options_) * PRN_DOTS_PER_MM, PRN_DOTS_PER_MM) {
    interpreter_.SetGlyphSource(&glyphs_);
}

VirtualPrinter::~VirtualPrinter() {
    Stop();
    for (int fd : wake_)
        if (fd >= 0) ::close(fd);
}

void VirtualPrinter::Log(const std::string& line) {
    if (onLog_) onLog_(line);
}

bool VirtualPrinter::Open(std::string* error) {
    if (!link_->Open(error)) return false;
    if (!options_.linkPath.empty() && options_.tcpPort < 0 &&
        !static_cast<PtyPort&>(*link_).MakeLink(options_.linkPath, error))
        return false;
    return true;
}

bool VirtualPrinter::Start() {
    if (!link_->IsOpen() || running_) return false;
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
    // What waits in the buffer is printed at exit, unless printing is stopped.
    if (!PrintingHeld() && !buffer_.Empty()) {
        interpreter_.Feed(buffer_.Front(), buffer_.Size());
        buffer_.Clear();
    }
    if (dropped_ > droppedLogged_) {
        Log("receive buffer full: " + std::to_string(dropped_ - droppedLogged_) + " bytes dropped");
        droppedLogged_ = dropped_;
    }
    interpreter_.EndReceipt(ReceiptEnd::Exit);
}

bool VirtualPrinter::PrintingHeld() const {
    if (options_.printWhileStopped) return false;
    const Conditions& c = interpreter_.GetConditions();
    return c.paperEnd || c.platenUp;
}

void VirtualPrinter::PrintFromBuffer(Clock::time_point now) {
    if (PrintingHeld()) return;
    if (!carry_.empty()) {
        dropped_ += buffer_.Put(carry_.data(), carry_.size());
        carry_.clear();
    }
    while (!buffer_.Empty() && paper_.Allowance(now) > 0) {
        const size_t n = paper_.Limited() ? std::min(buffer_.Size(), PRINT_CHUNK) : buffer_.Size();
        const uint64_t before = interpreter_.DotsFed();
        interpreter_.Feed(buffer_.Front(), n);
        buffer_.Drop(n);
        paper_.Spend(static_cast<int64_t>(interpreter_.DotsFed() - before), now);
        if (PrintingHeld()) return;
    }
}

void VirtualPrinter::Handshake() {
    const size_t high = buffer_.Capacity() - buffer_.Capacity() / 4;
    const size_t low = buffer_.Capacity() / 4;
    if (!xoffSent_ && buffer_.Size() >= high) {
        xoffSent_ = true;
        ++holdBacks_;
        if (!link_->HoldsBackByNotReading()) link_->Write(&XOFF, 1);
    } else if (xoffSent_ && buffer_.Size() <= low) {
        xoffSent_ = false;
        if (!link_->HoldsBackByNotReading()) link_->Write(&XON, 1);
    }
    // Bytes lost in one overflow are logged once the buffer has room again.
    if (!xoffSent_ && dropped_ > droppedLogged_) {
        Log("receive buffer full: " + std::to_string(dropped_ - droppedLogged_) + " bytes dropped");
        droppedLogged_ = dropped_;
    }
}

// While printing stops, status requests (DLE EOT n) and automatic status back
// (GS a n) are still taken as they arrive, so that the host sees the condition
// that stopped the printer; they do not enter the buffer.
void VirtualPrinter::AnswerRealtime(const uint8_t* data, size_t length,
                                    std::vector<uint8_t>* kept) {
    std::vector<uint8_t> work;
    work.swap(carry_);
    work.insert(work.end(), data, data + length);
    size_t i = 0;
    while (i < work.size()) {
        const bool status = work[i] == DLE;
        const bool autoStatus = work[i] == GS;
        const uint8_t second = status ? EOT : AUTO_STATUS;
        if ((status || autoStatus) && (i + 1 == work.size() || work[i + 1] == second)) {
            if (i + REALTIME_LENGTH > work.size()) {
                carry_.assign(work.begin() + static_cast<std::ptrdiff_t>(i), work.end());
                return;
            }
            if (status)
                interpreter_.AnswerStatusRequest(work[i + 2]);
            else
                interpreter_.AnswerAutoStatusBack(work[i + 2]);
            i += REALTIME_LENGTH;
            continue;
        }
        kept->push_back(work[i++]);
    }
}

void VirtualPrinter::Receive(const uint8_t* data, size_t length) {
    if (PrintingHeld()) {
        std::vector<uint8_t> kept;
        AnswerRealtime(data, length, &kept);
        dropped_ += buffer_.Put(kept.data(), kept.size());
        return;
    }
    if (buffer_.Empty() && !paper_.Limited()) {
        interpreter_.Feed(data, length); // nothing waits: straight to the print head
        return;
    }
    dropped_ += buffer_.Put(data, length);
}

bool VirtualPrinter::WantsInput() {
    if (link_->DataFd() < 0) return false;
    // A host that stops on XOFF keeps its bytes; a socket is no longer read when full.
    if (link_->HoldsBackByNotReading() || link_->HostHonoursXoff())
        return !xoffSent_ && buffer_.Free() > 0;
    return true;
}

int VirtualPrinter::Timeout(Clock::time_point now, Clock::time_point lastInput) {
    int timeout = -1;
    auto atMost = [&timeout](int ms) { timeout = timeout < 0 ? ms : std::min(timeout, ms); };
    if (interpreter_.HasPrintedPaper())
        atMost(std::max(0, options_.idleMs - Milliseconds(now - lastInput)));
    if (!buffer_.Empty() && !PrintingHeld() && paper_.Limited()) atMost(paper_.WaitMs(now));
    if (WantsInput() && line_.Limited()) atMost(line_.WaitMs(now));
    return timeout;
}

void VirtualPrinter::Run() {
    std::vector<uint8_t> chunk(READ_CHUNK);
    auto lastInput = Clock::now();
    while (running_) {
        bool wantInput = false;
        int timeout = -1;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto now = Clock::now();
            if (!buffer_.Empty() && !PrintingHeld()) lastInput = now;
            PrintFromBuffer(now);
            Handshake();
            if (interpreter_.HasPrintedPaper() && buffer_.Empty() &&
                Milliseconds(now - lastInput) >= options_.idleMs)
                interpreter_.EndReceipt(ReceiptEnd::Idle);
            wantInput = WantsInput() && line_.Allowance(now) > 0;
            timeout = Timeout(now, lastInput);
        }
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {-1, POLLIN, 0}};
        if (wantInput)
            fds[1].fd = link_->DataFd();
        else if (link_->DataFd() < 0)
            fds[1].fd = link_->AcceptFd();
        if (::poll(fds, 2, timeout) < 0) continue;
        if (fds[0].revents) {
            char drain[64];
            while (::read(wake_[0], drain, sizeof drain) > 0) {
            }
            continue; // running_ is looked at again; a cleared condition prints on
        }
        if (fds[1].revents == 0) continue;
        if (fds[1].fd == link_->AcceptFd() && fds[1].fd >= 0) {
            std::lock_guard<std::mutex> lock(mutex_); // replies write to the connection
            link_->Accept();
            continue;
        }
        if (!ReadFromHost(fds[1].revents, &chunk, &lastInput))
            ::poll(nullptr, 0, HANGUP_PAUSE_MS); // no peer on the line: do not spin
    }
}

bool VirtualPrinter::ReadFromHost(short events, std::vector<uint8_t>* chunk,
                                  Clock::time_point* lastInput) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto now = Clock::now();
    size_t room = static_cast<size_t>(std::min<int64_t>(line_.Allowance(now), READ_CHUNK));
        if (link_->HoldsBackByNotReading() || link_->HostHonoursXoff()) {
            if (paper_.Limited() || PrintingHeld() || !buffer_.Empty())
                room = std::min(room, buffer_.Free());
        }
    if (room == 0) return true;
    const long n = link_->Read(chunk->data(), room);
    if (n > 0) {
        *lastInput = now;
        line_.Spend(n, now);
        received_ += static_cast<uint64_t>(n);
        for (long i = 0; i < n; ++i) receivedSum_ = (receivedSum_ ^ (*chunk)[static_cast<size_t>(i)]) * FNV_PRIME;
        Receive(chunk->data(), static_cast<size_t>(n));
        return true;
    }
    return n == 0 && !(events & (POLLHUP | POLLERR));
}

void VirtualPrinter::SetCondition(uint8_t statusBit, bool present) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        interpreter_.SetCondition(statusBit, present);
    }
    Wake(); // printing that waited for paper goes on
}

void VirtualPrinter::Wake() {
    const char wake = 0;
    if (wake_[1] >= 0) [[maybe_unused]] const ssize_t n = ::write(wake_[1], &wake, 1);
}

void VirtualPrinter::SetSensorValue(int value) {
    std::lock_guard<std::mutex> lock(mutex_);
    interpreter_.SetSensorValue(value);
}

bool VirtualPrinter::Control(const std::string& line, std::string* reply) {
    ControlResult result;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (line == RECEIVED_COMMAND) {
            char text[64];
            std::snprintf(text, sizeof text, "received %llu bytes, fnv1a64 %016llx",
                          static_cast<unsigned long long>(received_),
                          static_cast<unsigned long long>(receivedSum_));
            *reply = text;
            return true;
        }
        result = ApplyControlLine(interpreter_, line);
        if (result.endReceipt) interpreter_.EndReceipt(ReceiptEnd::Cut);
    }
    Wake();
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

uint64_t VirtualPrinter::HoldBacks() {
    std::lock_guard<std::mutex> lock(mutex_);
    return holdBacks_;
}

uint64_t VirtualPrinter::DroppedBytes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return dropped_;
}

} // namespace vprinter
