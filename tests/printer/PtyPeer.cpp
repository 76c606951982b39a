#include "PtyPeer.h"

#include "PortMap.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {
constexpr int POLL_SLICE_MS = 20;
constexpr size_t READ_CHUNK = 4096;
} // namespace

PtyPeer::PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        close(master_);
        master_ = -1;
        return;
    }
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) {
        close(master_);
        master_ = -1;
        return;
    }
    slavePath_ = name;
    port_ = PortMap::Global().AddCommandLinePort(slavePath_);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    reader_ = std::thread([this] { Drain(); });
}

PtyPeer::~PtyPeer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    if (reader_.joinable()) reader_.join();
    if (master_ >= 0) close(master_);
}

void PtyPeer::Drain() {
    uint8_t chunk[READ_CHUNK];
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stop_) return;
        }
        pollfd pfd{master_, POLLIN, 0};
        // Without an open slave the master reports POLLHUP at once; sleep the slice.
        if (poll(&pfd, 1, POLL_SLICE_MS) <= 0 || (pfd.revents & POLLIN) == 0) {
            if ((pfd.revents & POLLHUP) != 0) usleep(POLL_SLICE_MS * 1000);
            continue;
        }
        const ssize_t n = read(master_, chunk, sizeof chunk);
        if (n <= 0) continue;
        std::lock_guard<std::mutex> lock(mutex_);
        received_.insert(received_.end(), chunk, chunk + n);
        arrived_.notify_all();
    }
}

bool PtyPeer::WaitForBytes(size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return received_.size() >= count; });
}

bool PtyPeer::WaitForMarker(const std::vector<uint8_t>& marker, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] {
        return received_.size() >= marker.size() &&
               std::equal(marker.rbegin(), marker.rend(), received_.rbegin());
    });
}

std::vector<uint8_t> PtyPeer::Received() {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

void PtyPeer::ClearReceived() {
    std::lock_guard<std::mutex> lock(mutex_);
    received_.clear();
}

bool PtyPeer::Send(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR) return false;
            pollfd pfd{master_, POLLOUT, 0};
            poll(&pfd, 1, POLL_SLICE_MS);
            continue;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}
