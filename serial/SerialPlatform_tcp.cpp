// The network back end: a raw TCP connection to a printer's port (9100 unless
// given). The connect is non-blocking with a time-out, so an address where nothing
// answers fails in a few seconds with "Connection timed out" rather than the
// system's minutes. TCP_NODELAY sends each piece at once; keep-alive notices a
// printer switched off while the line is idle, and the engine's waits notice one that
// stops answering while bytes wait for it (PeerSilence). A printer that only stops
// reading (out of paper, its buffer full) still answers with a closed window: that is
// the write time-out's case, not a gone printer, so no TCP_USER_TIMEOUT (which would
// end such a connection too). The printer closing the connection is reported like a
// serial unplug.
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "serial/StreamDevice_unix.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int KEEPALIVE_IDLE_S = 5;
constexpr int KEEPALIVE_INTERVAL_S = 2;
constexpr int KEEPALIVE_PROBES = 3;
// No answer for this long while the printer owes one: the printer is gone.
constexpr uint32_t PEER_SILENT_MS = 15000;
// Retransmissions or window probes in a row without an answer: one lost segment or a
// probe still on its way is not silence.
constexpr uint8_t UNANSWERED_TRIES = 2;

// ETIMEDOUT when the printer has answered nothing for PEER_SILENT_MS although it owes
// an answer (data retransmitted, or zero-window probes, unanswered); 0 otherwise. A
// printer with a full buffer answers every probe, so it is never taken for gone.
int PeerSilence(int fd) {
    tcp_info info{};
    socklen_t size = sizeof info;
    if (getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &size) != 0) return 0;
    const bool owed = info.tcpi_retransmits >= UNANSWERED_TRIES || info.tcpi_probes >= UNANSWERED_TRIES;
    return owed && info.tcpi_last_ack_recv >= PEER_SILENT_MS ? ETIMEDOUT : 0;
}

void Tune(int fd) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &KEEPALIVE_IDLE_S, sizeof KEEPALIVE_IDLE_S);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &KEEPALIVE_INTERVAL_S,
               sizeof KEEPALIVE_INTERVAL_S);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &KEEPALIVE_PROBES, sizeof KEEPALIVE_PROBES);
}

// One address: the connected socket, or -1 with the reason in *error.
int ConnectOne(const addrinfo& address, Clock::time_point deadline, int* error) {
    const int fd = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                          address.ai_protocol);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    if (connect(fd, address.ai_addr, address.ai_addrlen) == 0) return fd;
    if (errno != EINPROGRESS) {
        *error = errno;
        close(fd);
        return -1;
    }
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            *error = ETIMEDOUT;
            close(fd);
            return -1;
        }
        pollfd p{fd, POLLOUT, 0};
        const int n = poll(&p, 1, static_cast<int>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) continue; // the deadline check above ends it
        int result = 0;
        socklen_t size = sizeof result;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &result, &size) != 0) result = errno;
        if (result == 0) return fd;
        *error = result;
        close(fd);
        return -1;
    }
}

} // namespace

std::unique_ptr<SerialDevice> OpenNetworkDevice(const NetworkAddress& target, int connectTimeoutMs,
                                                int* error) {
    int ignored = 0;
    int& cause = error ? *error : ignored;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_ADDRCONFIG | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(target.port);
    const int lookup = getaddrinfo(target.host.c_str(), service.c_str(), &hints, &found);
    if (lookup != 0) {
        // A name that does not resolve is, to the user, an address with nothing there.
        cause = lookup == EAI_SYSTEM ? errno : EHOSTUNREACH;
        return nullptr;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(connectTimeoutMs);
    int fd = -1;
    cause = EHOSTUNREACH;
    for (const addrinfo* a = found; a && fd < 0; a = a->ai_next) fd = ConnectOne(*a, deadline, &cause);
    freeaddrinfo(found);
    if (fd < 0) return nullptr;
    Tune(fd);
    StreamDevice::Traits traits;
    traits.socket = true;
    traits.closedError = ECONNRESET; // the printer closed the connection
    traits.peerSilence = PeerSilence;
    return MakeStreamDevice(fd, traits, error);
}
