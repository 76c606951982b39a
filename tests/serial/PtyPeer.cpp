#include "PtyPeer.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "PortMap.h"

PtyPeer::PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        close(master_);
        master_ = -1;
        return;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = name;
    port_ = PortMap::Global().AddCommandLinePort(slavePath_);
}

PtyPeer::~PtyPeer() {
    CloseMaster();
}

void PtyPeer::CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
}

void PtyPeer::Send(const void* data, size_t length) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    size_t sent = 0;
    while (sent < length && master_ >= 0) {
        const ssize_t n = write(master_, bytes + sent, length - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd fd{master_, POLLOUT, 0};
            poll(&fd, 1, 100);
        } else {
            break;
        }
    }
}

std::vector<uint8_t> PtyPeer::Receive(size_t count, std::chrono::milliseconds timeout) {
    std::vector<uint8_t> got;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    uint8_t buffer[4096];
    while (got.size() < count && master_ >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
        const size_t want = std::min(sizeof buffer, count - got.size());
        const ssize_t n = read(master_, buffer, want);
        if (n > 0)
            got.insert(got.end(), buffer, buffer + n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return got;
}

std::vector<uint8_t> PtyPeer::ReceiveUntilQuiet(std::chrono::milliseconds quiet) {
    std::vector<uint8_t> got;
    uint8_t buffer[4096];
    while (master_ >= 0) {
        pollfd fd{master_, POLLIN, 0};
        if (poll(&fd, 1, static_cast<int>(quiet.count())) <= 0) break;
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n > 0)
            got.insert(got.end(), buffer, buffer + n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return got;
}
