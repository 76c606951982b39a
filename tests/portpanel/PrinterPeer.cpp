#include "PrinterPeer.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
constexpr uint8_t STATUS_REQUEST[] = {0x10, 0x04, 0x05};
constexpr uint8_t SENSOR_REQUEST[] = {0x1C, 0x28, 0x4C, 0x02, 0x00, 0x64, 0x30};
constexpr uint8_t RESPONSE_START = 0x37;
constexpr uint8_t RESPONSE_SENSOR = 0x64;
constexpr int POLL_MS = 20;

template <size_t N>
bool EndsWith(const std::vector<uint8_t>& v, size_t end, const uint8_t (&s)[N]) {
    return end >= N && std::equal(s, s + N, v.begin() + static_cast<long>(end - N));
}
} // namespace

PrinterPeer::PrinterPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128];
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
        if (master_ >= 0) close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = name;
    thread_ = std::thread([this] { Run(); });
}

PrinterPeer::~PrinterPeer() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) close(master_);
}

void PrinterPeer::SetSensorText(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    sensorText_ = text;
}

void PrinterPeer::Run() {
    uint8_t buffer[65536];
    while (running_) {
        if (paused_) {
            usleep(POLL_MS * 1000);
            continue;
        }
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, POLL_MS) <= 0) continue;
        // With no slave open the master reports a hang-up; wait for the next open.
        if (!(fd.revents & POLLIN)) {
            usleep(POLL_MS * 1000);
            continue;
        }
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) continue;
        PeerLine line;
        ReadPeerLine(master_, &line);
        std::lock_guard<std::mutex> lock(mutex_);
        bytes_.insert(bytes_.end(), buffer, buffer + n);
        arrivals_.push_back({std::vector<uint8_t>(buffer, buffer + n), line});
        Answer();
        arrived_.notify_all();
    }
}

void PrinterPeer::Answer() {
    for (; scanned_ < bytes_.size(); ++scanned_) {
        const size_t end = scanned_ + 1;
        if (EndsWith(bytes_, end, STATUS_REQUEST)) {
            Send({statusByte.load()});
        } else if (EndsWith(bytes_, end, SENSOR_REQUEST)) {
            std::vector<uint8_t> answer(sensorText_.size() + 3);
            answer[0] = RESPONSE_START;
            answer[1] = RESPONSE_SENSOR;
            std::copy(sensorText_.begin(), sensorText_.end(), answer.begin() + 2);
            Send(answer);
        }
    }
}

void PrinterPeer::Send(const std::vector<uint8_t>& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd fd{master_, POLLOUT, 0};
            poll(&fd, 1, POLL_MS);
        } else {
            return;
        }
    }
}

std::vector<uint8_t> PrinterPeer::Bytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}

std::vector<PrinterPeer::Arrival> PrinterPeer::Arrivals() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return arrivals_;
}

std::vector<uint8_t> PrinterPeer::WaitBytes(size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait_for(lock, timeout, [&] { return bytes_.size() >= count; });
    return bytes_;
}

std::vector<uint8_t> PrinterPeer::BytesAfterQuiet() {
    std::unique_lock<std::mutex> lock(mutex_);
    size_t seen = bytes_.size();
    // Quiet means no byte for a while; a stream still coming keeps us waiting.
    while (arrived_.wait_for(lock, std::chrono::milliseconds(300),
                             [&] { return bytes_.size() != seen; }))
        seen = bytes_.size();
    return bytes_;
}

void PrinterPeer::Forget() {
    std::lock_guard<std::mutex> lock(mutex_);
    bytes_.clear();
    arrivals_.clear();
    scanned_ = 0;
}

PeerLine PrinterPeer::Line() const {
    PeerLine line;
    ReadPeerLine(master_, &line);
    return line;
}
