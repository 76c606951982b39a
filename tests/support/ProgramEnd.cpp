#include "tests/support/ProgramEnd.h"

#include <fcntl.h>
#include <poll.h>
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
