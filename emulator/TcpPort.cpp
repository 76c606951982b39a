#include "TcpPort.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vprinter {

namespace {
constexpr int LISTEN_QUEUE = 4;
constexpr int WRITE_WAIT_MS = 200; // how long a reply may wait for room in the socket
} // namespace

TcpPort::TcpPort(std::string bindAddress, int port) : bindAddress_(std::move(bindAddress)), port_(port) {}

TcpPort::~TcpPort() {
    CloseClient();
    if (listen_ >= 0) ::close(listen_);
}

bool TcpPort::Open(std::string* error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port_);
    const int status = getaddrinfo(bindAddress_.c_str(), service.c_str(), &hints, &found);
    if (status != 0) {
        *error = "cannot listen on " + bindAddress_ + ": " + gai_strerror(status);
        return false;
    }
    std::string failure = "no address";
    for (addrinfo* a = found; a != nullptr && listen_ < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) continue;
        const int yes = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, LISTEN_QUEUE) == 0) {
            listen_ = fd;
            break;
        }
        failure = std::strerror(errno);
        ::close(fd);
    }
    freeaddrinfo(found);
    if (listen_ < 0) {
        *error = "cannot listen on " + bindAddress_ + " port " + service + ": " + failure;
        return false;
    }
    // Port 0 takes any free port: report the one the system gave.
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    if (getsockname(listen_, reinterpret_cast<sockaddr*>(&bound), &size) == 0) {
        if (bound.ss_family == AF_INET)
            port_ = ntohs(reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
        else if (bound.ss_family == AF_INET6)
            port_ = ntohs(reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port);
    }
    return true;
}

std::string TcpPort::Address() const {
    const bool v6 = bindAddress_.find(':') != std::string::npos;
    return (v6 ? "[" + bindAddress_ + "]" : bindAddress_) + ":" + std::to_string(port_);
}

void TcpPort::Accept() {
    if (client_ >= 0 || listen_ < 0) return;
    const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return;
    const int yes = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    client_ = fd;
}

void TcpPort::CloseClient() {
    if (client_ >= 0) ::close(client_);
    client_ = -1;
}

long TcpPort::Read(uint8_t* buffer, size_t size) {
    if (client_ < 0) return 0;
    const ssize_t n = ::recv(client_, buffer, size, 0);
    if (n > 0) return n;
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    CloseClient(); // the host closed or the connection broke: take the next one
    return -1;
}

size_t TcpPort::Write(const uint8_t* data, size_t length) {
    size_t sent = 0;
    while (client_ >= 0 && sent < length) {
        const ssize_t n = ::send(client_, data + sent, length - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) break;
        pollfd room{client_, POLLOUT, 0};
        if (::poll(&room, 1, WRITE_WAIT_MS) <= 0) break;
    }
    return sent;
}

} // namespace vprinter
