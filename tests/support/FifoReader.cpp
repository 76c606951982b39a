#include "tests/support/FifoReader.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

FifoReader::FifoReader(const std::string& path, std::chrono::milliseconds patience)
    : thread_([this, path, patience] { Run(path, patience); }) {}

FifoReader::~FifoReader() {
    if (thread_.joinable()) thread_.join();
}

std::string FifoReader::Take() {
    if (thread_.joinable()) thread_.join();
    return content_;
}

void FifoReader::Run(const std::string& path, std::chrono::milliseconds patience) {
    // Opened without blocking, so the reader is there at once. Linux reports no hang-up
    // to a reader that has never had a writer: poll waits for the first writer's data or
    // its close, and only its close ends the reading.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    const auto end = std::chrono::steady_clock::now() + patience;
    char buffer[1 << 16];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content_.append(buffer, static_cast<size_t>(n));
            continue;
        }
        if (n == 0) break; // the writer closed its end
        if (errno != EAGAIN && errno != EINTR) break;
    }
    ::close(fd);
}
