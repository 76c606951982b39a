#include "tests/support/PrinterPeer.h"

#include "serial/PortMap.h"

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
constexpr size_t READ_CHUNK = 65536;
// A reader at a given rate makes up this much of a delay of its thread while bytes wait,
// no more.
constexpr int RATE_CATCH_UP_MS = 250;

template <size_t N>
bool EndsWith(const std::vector<uint8_t>& v, size_t end, const uint8_t (&s)[N]) {
    return end >= N && std::equal(s, s + N, v.begin() + static_cast<long>(end - N));
}
} // namespace

PrinterPeer::PrinterPeer() {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128] = {};
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname_r(fd, name, sizeof name) != 0) {
        if (fd >= 0) close(fd);
        return;
    }
    slavePath_ = name;
    master_ = fd;
    thread_ = std::thread([this] { Run(); });
}

PrinterPeer::~PrinterPeer() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
    CloseMaster();
}

uint32_t PrinterPeer::Port() {
    if (port_ == 0 && Ok()) port_ = PortMap::Global().AddCommandLinePort(slavePath_);
    return port_;
}

void PrinterPeer::SetSensorText(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    sensorText_ = text;
}

void PrinterPeer::ReadAtRate(size_t bytesPerSecond) {
    std::lock_guard<std::mutex> lock(mutex_);
    rate_ = bytesPerSecond;
    credit_ = 0;
    creditAt_ = std::chrono::steady_clock::now();
}

size_t PrinterPeer::RateRoomLocked() {
    if (rate_ == 0) return SIZE_MAX;
    const auto now = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(now - creditAt_).count();
    creditAt_ = now;
    const double most = static_cast<double>(rate_) * RATE_CATCH_UP_MS / 1000.0;
    credit_ = std::min(most, credit_ + seconds * static_cast<double>(rate_));
    // A read sized before the rate was set can leave the credit below nothing.
    return credit_ > 0 ? static_cast<size_t>(credit_) : 0;
}

void PrinterPeer::Run() {
    std::vector<uint8_t> buffer(READ_CHUNK);
    while (running_) {
        const int fd = master_;
        size_t room = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const size_t limit = readLimit_;
            room = limit > count_ ? std::min(READ_CHUNK, limit - count_) : 0;
            room = std::min(room, RateRoomLocked());
        }
        if (fd < 0 || room == 0 || paused_) {
            usleep(POLL_MS * 1000);
            continue;
        }
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, POLL_MS) <= 0) {
            // An idle line carries nothing: a rate reader gains no reads from it.
            std::lock_guard<std::mutex> lock(mutex_);
            credit_ = 0;
            continue;
        }
        // With no slave open the master reports a hang-up; wait for the next open.
        if (!(p.revents & POLLIN)) {
            usleep(POLL_MS * 1000);
            continue;
        }
        std::lock_guard<std::mutex> closing(closeMutex_);
        if (master_ < 0) continue;
        const ssize_t n = read(fd, buffer.data(), room);
        if (n <= 0) continue;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (rate_ != 0) credit_ -= static_cast<double>(n);
        }
        if (countOnly_) {
            std::lock_guard<std::mutex> lock(mutex_);
            count_ += static_cast<size_t>(n);
            arrived_.notify_all();
            continue;
        }
        PeerLine line;
        ReadPeerLine(fd, &line);
        std::lock_guard<std::mutex> lock(mutex_);
        bytes_.insert(bytes_.end(), buffer.begin(), buffer.begin() + n);
        count_ = bytes_.size();
        reads_.push_back({bytes_.size(), line});
        if (answering_) Answer();
        arrived_.notify_all();
    }
}

void PrinterPeer::Answer() {
    for (; scanned_ < bytes_.size(); ++scanned_) {
        const size_t end = scanned_ + 1;
        if (EndsWith(bytes_, end, STATUS_REQUEST)) {
            const uint8_t status = statusByte.load();
            WriteAll(&status, 1, std::chrono::seconds(1));
        } else if (EndsWith(bytes_, end, SENSOR_REQUEST)) {
            std::vector<uint8_t> answer(sensorText_.size() + 3);
            answer[0] = RESPONSE_START;
            answer[1] = RESPONSE_SENSOR;
            std::copy(sensorText_.begin(), sensorText_.end(), answer.begin() + 2);
            WriteAll(answer.data(), answer.size(), std::chrono::seconds(1));
        }
    }
}

bool PrinterPeer::Send(const void* data, size_t length, std::chrono::milliseconds timeout) {
    return WriteAll(static_cast<const uint8_t*>(data), length, timeout);
}

bool PrinterPeer::WriteAll(const uint8_t* data, size_t length, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    size_t sent = 0;
    while (sent < length) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        const int fd = master_;
        if (fd < 0) return false;
        const ssize_t n = write(fd, data + sent, length - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd w{fd, POLLOUT, 0};
            poll(&w, 1, POLL_MS);
        } else {
            return false;
        }
    }
    return true;
}

std::vector<uint8_t> PrinterPeer::Bytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}

size_t PrinterPeer::Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_;
}

std::vector<PrinterPeer::Arrival> PrinterPeer::Arrivals() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Arrival> arrivals;
    size_t begin = 0;
    for (const Read& r : reads_) {
        arrivals.push_back({std::vector<uint8_t>(bytes_.begin() + static_cast<long>(begin),
                                                 bytes_.begin() + static_cast<long>(r.end)),
                            r.line});
        begin = r.end;
    }
    return arrivals;
}

bool PrinterPeer::WaitForBytes(size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return count_ >= count; });
}

std::vector<uint8_t> PrinterPeer::WaitBytes(size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait_for(lock, timeout, [&] { return bytes_.size() >= count; });
    return bytes_;
}

bool PrinterPeer::WaitForMarker(const std::vector<uint8_t>& marker,
                                std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] {
        return bytes_.size() >= marker.size() &&
               std::equal(marker.rbegin(), marker.rend(), bytes_.rbegin());
    });
}

std::vector<uint8_t> PrinterPeer::BytesAfterQuiet(std::chrono::milliseconds quiet) {
    std::unique_lock<std::mutex> lock(mutex_);
    size_t seen = count_;
    // Quiet means no byte for a while; a stream still coming keeps us waiting.
    while (arrived_.wait_for(lock, quiet, [&] { return count_ != seen; })) seen = count_;
    return bytes_;
}

void PrinterPeer::Forget() {
    std::lock_guard<std::mutex> lock(mutex_);
    bytes_.clear();
    count_ = 0;
    reads_.clear();
    scanned_ = 0;
    taken_ = 0;
}

std::vector<uint8_t> PrinterPeer::Receive(size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait_for(lock, timeout, [&] { return bytes_.size() - taken_ >= count; });
    const size_t end = std::min(bytes_.size(), taken_ + count);
    std::vector<uint8_t> got(bytes_.begin() + static_cast<long>(taken_),
                             bytes_.begin() + static_cast<long>(end));
    taken_ = end;
    return got;
}

std::vector<uint8_t> PrinterPeer::ReceiveUntilQuiet(std::chrono::milliseconds quiet) {
    BytesAfterQuiet(quiet);
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<uint8_t> got(bytes_.begin() + static_cast<long>(taken_), bytes_.end());
    taken_ = bytes_.size();
    return got;
}

PeerLine PrinterPeer::Line() const {
    PeerLine line;
    ReadPeerLine(master_, &line);
    return line;
}

void PrinterPeer::CloseMaster() {
    std::lock_guard<std::mutex> closing(closeMutex_);
    const int fd = master_.exchange(-1);
    if (fd >= 0) close(fd);
}
