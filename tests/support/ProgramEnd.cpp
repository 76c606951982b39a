#include "tests/support/ProgramEnd.h"

#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int POLL_MS = 50;
constexpr size_t READ_PIECE = 4096;

} // namespace

int OpenProgramEnd(const std::string& path, speed_t speed, bool twoStopBits) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fd;
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::cfsetspeed(&t, speed);
    if (twoStopBits) t.c_cflag |= CSTOPB;
    ::tcsetattr(fd, TCSANOW, &t);
    return fd;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t at = 0;
    while (at < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
        if (n <= 0) return false;
        at += static_cast<size_t>(n);
    }
    return true;
}

namespace {

constexpr auto RETRY = std::chrono::milliseconds(5);

// Writes without blocking until `done` says to stop; the count written.
template <typename Done>
size_t WriteNonBlocking(int fd, const std::vector<uint8_t>& bytes, Done done) {
    const int flags = ::fcntl(fd, F_GETFL);
    ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    size_t at = 0;
    auto progress = std::chrono::steady_clock::now();
    while (at < bytes.size() && !done(progress)) {
        const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
        if (n > 0) {
            at += static_cast<size_t>(n);
            progress = std::chrono::steady_clock::now();
        } else {
            std::this_thread::sleep_for(RETRY);
        }
    }
    ::fcntl(fd, F_SETFL, flags);
    return at;
}

} // namespace

size_t WriteWithin(int fd, const std::vector<uint8_t>& bytes, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    return WriteNonBlocking(fd, bytes, [end](auto) { return std::chrono::steady_clock::now() >= end; });
}

size_t WriteUntilHeld(int fd, const std::vector<uint8_t>& bytes, std::chrono::milliseconds quiet) {
    return WriteNonBlocking(fd, bytes, [quiet](std::chrono::steady_clock::time_point progress) {
        return std::chrono::steady_clock::now() - progress >= quiet;
    });
}

std::vector<uint8_t> ReadSome(int fd, size_t count, std::chrono::milliseconds timeout) {
    std::vector<uint8_t> got;
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (got.size() < count && std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, POLL_MS) <= 0) continue;
        uint8_t buffer[READ_PIECE];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}
