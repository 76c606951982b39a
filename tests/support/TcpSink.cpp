#include "tests/support/TcpSink.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr size_t READ_PIECE = 256 * 1024;
constexpr auto POLL_STEP = std::chrono::milliseconds(10);
} // namespace

TcpSink::TcpSink() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener_, 1) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
        ::pipe2(wake_, O_CLOEXEC) != 0)
        return;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
}

TcpSink::~TcpSink() {
    if (thread_.joinable()) {
        (void)!::write(wake_[1], "x", 1);
        thread_.join();
    }
    for (const int fd : {listener_, wake_[0], wake_[1]})
        if (fd >= 0) ::close(fd);
}

std::string TcpSink::Url() const {
    return "tcp://127.0.0.1:" + std::to_string(port_);
}

bool TcpSink::WaitForBytes(uint64_t count, std::chrono::milliseconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (received_.load() < count) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(POLL_STEP);
    }
    return true;
}

void TcpSink::Run() {
    std::vector<char> buffer(READ_PIECE);
    int connection = -1;
    for (;;) {
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {connection >= 0 ? connection : listener_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) continue;
        if (fds[0].revents != 0) break;
        if (fds[1].revents == 0) continue;
        if (connection < 0) {
            connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            continue;
        }
        const ssize_t n = ::read(connection, buffer.data(), buffer.size());
        if (n > 0) {
            received_ += static_cast<uint64_t>(n);
        } else {
            // The tap went: the next connection is taken.
            ::close(connection);
            connection = -1;
        }
    }
    if (connection >= 0) ::close(connection);
}
