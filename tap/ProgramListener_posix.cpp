// The program's side as a TCP listener: one program connection at a time; the next one
// waits in the listen queue, as a printer makes it wait. The connection is swapped only
// by the reading thread; the writing thread waits on a duplicate, so a connection
// closed meanwhile never turns into another descriptor under it.
#include "tap/TapEnd.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tap {

namespace {

constexpr int LISTEN_QUEUE = 4;

class ProgramListener : public TapEnd {
public:
    ProgramListener(int listener, std::string address) : listener_(listener), address_(std::move(address)) {}
    ~ProgramListener() override {
        if (connection_ >= 0) ::close(connection_);
        ::close(listener_);
    }

    long Read(uint8_t* buffer, size_t length) override {
        std::lock_guard lock(mutex_);
        if (connection_ < 0) return 0;
        const ssize_t n = ::recv(connection_, buffer, length, MSG_DONTWAIT);
        if (n > 0) return n;
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
        // The program closed its connection: the next one may come.
        ::close(connection_);
        connection_ = -1;
        return FAILED;
    }
    long Write(const uint8_t* data, size_t length) override {
        std::lock_guard lock(mutex_);
        if (connection_ < 0) return FAILED;
        const ssize_t n = ::send(connection_, data, length, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n >= 0) return n;
        if (errno == EAGAIN || errno == EINTR) return 0;
        return FAILED;
    }
    uint32_t Wait(uint32_t want, int timeoutMs) override {
        int fd = -1;
        {
            std::lock_guard lock(mutex_);
            if (connection_ < 0) {
                if ((want & READABLE) == 0) return GONE;
                return Accept(timeoutMs);
            }
            fd = ::dup(connection_);
        }
        if (fd < 0) return 0;
        pollfd p{fd, 0, 0};
        if ((want & READABLE) != 0) p.events |= POLLIN;
        if ((want & WRITABLE) != 0) p.events |= POLLOUT;
        uint32_t bits = 0;
        if (::poll(&p, 1, timeoutMs) > 0) {
            if ((p.revents & (POLLIN | POLLHUP)) != 0) bits |= READABLE; // EOF reads as gone
            if ((p.revents & POLLOUT) != 0) bits |= WRITABLE;
            if ((p.revents & POLLERR) != 0) bits |= READABLE;
        }
        ::close(fd);
        return bits;
    }
    bool CanComeBack() const override { return true; }
    std::string Describe() const override { return "tcp-listen " + address_; }
    std::string Address() const override { return address_; }

private:
    // Caller holds mutex_; only the reading thread asks for READABLE.
    uint32_t Accept(int timeoutMs) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) return GONE;
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return GONE;
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        connection_ = fd;
        return 0;
    }

    std::mutex mutex_;
    int listener_;
    int connection_ = -1;
    std::string address_;
};

} // namespace

std::unique_ptr<TapEnd> MakeProgramListener(const std::string& host, uint16_t port, std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int rc = ::getaddrinfo(host.empty() ? nullptr : host.c_str(), std::to_string(port).c_str(),
                                 &hints, &found);
    if (rc != 0) {
        error = "cannot listen on " + host + ": " + ::gai_strerror(rc);
        return nullptr;
    }
    int fd = -1;
    int lastError = 0;
    for (addrinfo* a = found; a != nullptr && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) != 0 || ::listen(fd, LISTEN_QUEUE) != 0) {
            lastError = errno;
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + std::strerror(lastError);
        return nullptr;
    }
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &size);
    char text[INET6_ADDRSTRLEN] = {};
    uint16_t boundPort = port;
    std::string address;
    if (bound.ss_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(&bound);
        ::inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text);
        boundPort = ntohs(in6->sin6_port);
        address = "[" + std::string(text) + "]";
    } else {
        const auto* in4 = reinterpret_cast<const sockaddr_in*>(&bound);
        ::inet_ntop(AF_INET, &in4->sin_addr, text, sizeof text);
        boundPort = ntohs(in4->sin_port);
        address = text;
    }
    return std::make_unique<ProgramListener>(fd, address + ":" + std::to_string(boundPort));
}

} // namespace tap
