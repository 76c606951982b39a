#include "FaultPty.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
constexpr int POLL_MS = 20;
constexpr size_t READ_CHUNK = 65536;
} // namespace

FaultPty::FaultPty() {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char name[128];
    if (fd < 0 || grantpt(fd) != 0 || unlockpt(fd) != 0 || ptsname_r(fd, name, sizeof name) != 0) {
        if (fd >= 0) close(fd);
        return;
    }
    slavePath_ = name;
    master_ = fd;
    thread_ = std::thread([this] { Run(); });
}

FaultPty::~FaultPty() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
    CloseMaster();
}

void FaultPty::Run() {
    std::vector<uint8_t> buffer(READ_CHUNK);
    while (running_) {
        const int fd = master_;
        size_t room = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            room =
                readLimit_ > bytes_.size() ? std::min(READ_CHUNK, readLimit_ - bytes_.size()) : 0;
        }
        if (fd < 0 || room == 0) {
            usleep(POLL_MS * 1000);
            continue;
        }
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, POLL_MS) <= 0) continue;
        // Before the slave is first opened the master reports a hang-up.
        if (!(p.revents & POLLIN)) {
            usleep(POLL_MS * 1000);
            continue;
        }
        std::lock_guard<std::mutex> closing(closeMutex_);
        if (master_ < 0) continue;
        const ssize_t n = read(fd, buffer.data(), room);
        if (n <= 0) continue;
        std::lock_guard<std::mutex> lock(mutex_);
        bytes_.insert(bytes_.end(), buffer.begin(), buffer.begin() + n);
    }
}

size_t FaultPty::Received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_.size();
}

std::vector<uint8_t> FaultPty::Bytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}

std::vector<uint8_t> FaultPty::BytesAfterQuiet(std::chrono::milliseconds quiet) {
    size_t seen = Received();
    for (;;) {
        std::this_thread::sleep_for(quiet);
        const size_t now = Received();
        if (now == seen) break;
        seen = now;
    }
    return Bytes();
}

void FaultPty::Forget() {
    std::lock_guard<std::mutex> lock(mutex_);
    bytes_.clear();
}

bool FaultPty::Send(const void* bytes, size_t length, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const auto* p = static_cast<const uint8_t*>(bytes);
    size_t sent = 0;
    while (sent < length) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        const int fd = master_;
        if (fd < 0) return false;
        const ssize_t n = write(fd, p + sent, length - sent);
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

void FaultPty::CloseMaster() {
    std::lock_guard<std::mutex> closing(closeMutex_);
    const int fd = master_.exchange(-1);
    if (fd >= 0) close(fd);
}
