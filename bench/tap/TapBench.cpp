// The tap against socat doing the same pass-through, in the same run: 16 MiB from a
// program over loopback TCP to a printer stand-in, with the tap decoding every command;
// then the delay a status request's answer gains through the tap, against the same
// request answered directly. Prints "tap/socat throughput ratio" and
// "tap added latency" p99.
#include "tap/RowText.h"
#include "tap/Session.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t VOLUME = 16u << 20;
constexpr size_t CHUNK = 64 * 1024;
constexpr int REQUESTS = 1000;
constexpr double P99 = 0.99;
constexpr double MEDIAN = 0.5;
constexpr int ROUNDS = 3;
constexpr uint8_t DLE = 0x10;
constexpr uint8_t EOT = 0x04;
constexpr uint8_t ANSWER = 0x12;
constexpr auto START_WAIT = std::chrono::seconds(5);
constexpr auto DRAIN_WAIT = std::chrono::seconds(3);

int Listen(uint16_t& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(fd, 4);
    socklen_t size = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
    port = ntohs(a.sin_port);
    return fd;
}

int Connect(uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

// The printer stand-in: takes everything, counts it, and answers DLE EOT n at once.
class Printer {
public:
    Printer() { listener_ = Listen(port_); }
    ~Printer() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        for (auto& t : threads_) t.join();
    }
    uint16_t Port() const { return port_; }
    uint64_t Received() const { return received_.load(); }
    void Start() {
        threads_.emplace_back([this] {
            while (!stop_) {
                const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (fd < 0) return;
                const int on = 1;
                ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
                threads_.emplace_back([this, fd] { Serve(fd); });
            }
        });
    }

private:
    void Serve(int fd) {
        std::vector<uint8_t> buffer(CHUNK);
        uint8_t last[2] = {0, 0};
        for (;;) {
            const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
            if (n <= 0) break;
            for (ssize_t i = 0; i < n; ++i) {
                if (last[0] == DLE && last[1] == EOT) ::send(fd, &ANSWER, 1, MSG_NOSIGNAL);
                last[0] = last[1];
                last[1] = buffer[static_cast<size_t>(i)];
            }
            received_ += static_cast<uint64_t>(n);
        }
        ::close(fd);
    }

    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> received_{0};
    std::vector<std::thread> threads_;
};

// Receipt-like bytes: text lines with a style command now and then.
std::vector<uint8_t> Traffic() {
    std::vector<uint8_t> bytes;
    const std::string line = "Item 0042  Coffee, large ........... 3.50\n";
    while (bytes.size() < VOLUME) {
        bytes.insert(bytes.end(), {0x1B, 0x45, 0x01});
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.insert(bytes.end(), {0x1B, 0x45, 0x00});
    }
    bytes.resize(VOLUME);
    return bytes;
}

// A connection to a listener that may still be starting.
int ConnectWhenListening(uint16_t port) {
    int fd = -1;
    const auto deadline = Clock::now() + START_WAIT;
    while (fd < 0 && Clock::now() < deadline) {
        fd = Connect(port);
        if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return fd;
}

// MiB/s from a program writing everything to `port` until the printer has it all.
double Throughput(uint16_t port, Printer& printer, const std::vector<uint8_t>& bytes) {
    const int fd = ConnectWhenListening(port);
    if (fd < 0) return 0;
    const uint64_t before = printer.Received();
    const auto start = Clock::now();
    for (size_t at = 0; at < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.data() + at, std::min(CHUNK, bytes.size() - at), MSG_NOSIGNAL);
        if (n <= 0) break;
        at += static_cast<size_t>(n);
    }
    while (printer.Received() - before < bytes.size()) std::this_thread::sleep_for(std::chrono::microseconds(200));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ::close(fd);
    return static_cast<double>(bytes.size()) / (1 << 20) / seconds;
}

// The times from a status request to its answer, in ms, directly and through a
// pass-through (the tap, socat), in turns so both meet the same load on the machine.
struct Delays {
    std::vector<double> direct;
    std::vector<double> through;
};

double Ask(int fd) {
    const uint8_t request[] = {DLE, EOT, 1};
    const auto start = Clock::now();
    ::send(fd, request, sizeof request, MSG_NOSIGNAL);
    uint8_t answer = 0;
    if (::recv(fd, &answer, 1, 0) != 1) return -1;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Delays MeasureDelays(uint16_t printerPort, uint16_t tapPort) {
    Delays delays;
    const int direct = Connect(printerPort);
    const int tap = ConnectWhenListening(tapPort);
    for (int i = 0; i < REQUESTS && direct >= 0 && tap >= 0; ++i) {
        const double d = Ask(direct);
        const double t = Ask(tap);
        if (d < 0 || t < 0) break;
        delays.direct.push_back(d);
        delays.through.push_back(t);
    }
    if (direct >= 0) ::close(direct);
    if (tap >= 0) ::close(tap);
    return delays;
}

double Quantile(std::vector<double> ms, double q) {
    if (ms.empty()) return -1;
    std::sort(ms.begin(), ms.end());
    return ms[static_cast<size_t>(q * static_cast<double>(ms.size() - 1))];
}

std::string Figures(const std::vector<double>& rates) {
    std::string text;
    for (const double r : rates) {
        char one[32];
        std::snprintf(one, sizeof one, "%s%.1f", text.empty() ? "" : " / ", r);
        text += one;
    }
    return text;
}

// MiB/s of the decoding alone: the bytes cut into commands and made rows as
// talvane-cli prints them, in the pieces a reader hands over.
double DecodeRate(const std::vector<uint8_t>& bytes, uint64_t& rows) {
    const auto start = Clock::now();
    size_t text = 0;
    tap::Conversation conversation([&](const tap::Row& row) { text += tap::RowLine(row).size(); ++rows; }, start);
    for (size_t at = 0; at < bytes.size(); at += CHUNK)
        conversation.FromProgram(bytes.data() + at, std::min(CHUNK, bytes.size() - at), Clock::now());
    conversation.Finish(Clock::now());
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return text > 0 ? static_cast<double>(bytes.size()) / (1 << 20) / seconds : 0;
}

pid_t StartSocat(uint16_t listenPort, uint16_t printerPort) {
    const std::string from = "TCP-LISTEN:" + std::to_string(listenPort) + ",bind=127.0.0.1,reuseaddr";
    const std::string to = "TCP:127.0.0.1:" + std::to_string(printerPort);
    const char* argv[] = {"socat", from.c_str(), to.c_str(), nullptr};
    pid_t pid = -1;
    if (posix_spawnp(&pid, "socat", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) return -1;
    return pid;
}

} // namespace

int main() {
    const std::vector<uint8_t> bytes = Traffic();
    Printer printer;
    printer.Start();

    std::string error;
    tap::ProgramSide side{tap::ProgramSide::Kind::Listener, "127.0.0.1", 0, {}};
    auto session = tap::Session::Open(side, "tcp://127.0.0.1:" + std::to_string(printer.Port()),
                                      [](const tap::Row&) {}, error);
    if (!session) {
        std::fprintf(stderr, "bench_tap: %s\n", error.c_str());
        return 1;
    }
    session->Start();
    const std::string address = session->ProgramAddress();
    const uint16_t tapPort = static_cast<uint16_t>(std::stoi(address.substr(address.rfind(':') + 1)));
    // The tap and socat in turns, so the machine's load of the moment falls on both.
    uint16_t socatPort = 0;
    ::close(Listen(socatPort)); // a free port for socat to take
    std::vector<double> tapRates;
    std::vector<double> socatRates;
    bool socatThere = true;
    for (int round = 0; round < ROUNDS; ++round) {
        tapRates.push_back(Throughput(tapPort, printer, bytes));
        if (!socatThere) continue;
        const pid_t socat = StartSocat(socatPort, printer.Port());
        const double rate = socat > 0 ? Throughput(socatPort, printer, bytes) : 0;
        if (socat > 0) {
            ::kill(socat, SIGTERM);
            ::waitpid(socat, nullptr, 0);
        }
        if (rate > 0)
            socatRates.push_back(rate);
        else
            socatThere = false;
    }
    const double tapRate = Quantile(tapRates, MEDIAN);
    const uint64_t undecoded = session->Undecoded();
    // The decoding's backlog of the runs above is worked off first: latency is measured
    // on a session that is keeping up.
    std::this_thread::sleep_for(DRAIN_WAIT);
    const Delays delays = MeasureDelays(printer.Port(), tapPort);
    const double direct = Quantile(delays.direct, P99);
    const double through = Quantile(delays.through, P99);
    session->Stop();
    session.reset();
    std::printf("tap throughput: %.1f MiB/s, median of %s (16 MiB each, decoding on; %.1f MiB passed while "
                "the decoding was behind, said on a row)\n",
                tapRate, Figures(tapRates).c_str(), static_cast<double>(undecoded) / (1 << 20));
    std::printf("tap added latency: p99 %.3f ms (through the tap %.3f ms, direct %.3f ms; median %.3f "
                "against %.3f ms; %zu requests each)\n",
                through - direct, through, direct, Quantile(delays.through, MEDIAN),
                Quantile(delays.direct, MEDIAN), delays.direct.size());
    uint64_t rows = 0;
    const double decodeRate = DecodeRate(bytes, rows);
    std::printf("tap decoding: %.1f MiB/s (%llu rows made and formatted; it lags behind the pass-through, "
                "never slows it)\n",
                decodeRate, static_cast<unsigned long long>(rows));
    if (socatRates.size() < tapRates.size()) {
        std::printf("tap/socat throughput ratio: not measured (socat is not installed or did not listen)\n");
        return 0;
    }
    const double socatRate = Quantile(socatRates, MEDIAN);
    std::printf("socat throughput: %.1f MiB/s, median of %s\n", socatRate, Figures(socatRates).c_str());
    // For comparison, the delay socat adds to the same requests under the same load.
    const pid_t again = StartSocat(socatPort, printer.Port());
    if (again > 0) {
        const Delays socatDelays = MeasureDelays(printer.Port(), socatPort);
        ::kill(again, SIGTERM);
        ::waitpid(again, nullptr, 0);
        std::printf("socat added latency: p99 %.3f ms (median %.3f against %.3f ms direct)\n",
                    Quantile(socatDelays.through, P99) - Quantile(socatDelays.direct, P99),
                    Quantile(socatDelays.through, MEDIAN), Quantile(socatDelays.direct, MEDIAN));
    }
    std::printf("tap/socat throughput ratio: %.2f\n", tapRate / socatRate);
    return 0;
}
