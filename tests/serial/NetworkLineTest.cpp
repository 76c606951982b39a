// The engine on a raw TCP connection to a printer, against a loopback server in the
// test: the same threads, buffers, time-outs and notifications as on a serial port.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "serial/PortKind.h"
#include "serial/PortMap.h"
#include "tests/support/SerialTestSupport.h"

namespace {

constexpr uint32_t BAUD = 9600;

// A listening socket on the loopback address, with an ephemeral port.
class LoopbackServer {
public:
    explicit LoopbackServer(int backlog = 4, int family = AF_INET) {
        listener_ = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ < 0) return;
        sockaddr_storage address{};
        socklen_t size = 0;
        if (family == AF_INET6) {
            auto* a = reinterpret_cast<sockaddr_in6*>(&address);
            a->sin6_family = AF_INET6;
            a->sin6_addr = in6addr_loopback;
            size = sizeof *a;
        } else {
            auto* a = reinterpret_cast<sockaddr_in*>(&address);
            a->sin_family = AF_INET;
            a->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            size = sizeof *a;
        }
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener_, backlog) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            close(listener_);
            listener_ = -1;
            return;
        }
        port_ = ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&address)->sin6_port
                                         : reinterpret_cast<sockaddr_in*>(&address)->sin_port);
    }
    ~LoopbackServer() {
        CloseClient();
        if (listener_ >= 0) close(listener_);
    }
    bool Ok() const { return listener_ >= 0; }
    uint16_t Port() const { return port_; }
    bool Accept(std::chrono::milliseconds timeout) {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0) return false;
        client_ = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        return client_ >= 0;
    }
    void Send(const std::string& bytes) {
        [[maybe_unused]] ssize_t n = send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }
    std::string Receive(size_t count, std::chrono::milliseconds timeout) {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        char buffer[4096];
        while (got.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd p{client_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            const ssize_t n = recv(client_, buffer, std::min(sizeof buffer, count - got.size()), 0);
            if (n <= 0) break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }
    void CloseClient() {
        if (client_ >= 0) close(client_);
        client_ = -1;
    }
    // The printer dies: the connection is reset, not closed in order.
    void ResetClient() {
        const linger abort{1, 0};
        setsockopt(client_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        CloseClient();
    }
    int Listener() const { return listener_; }

private:
    int listener_ = -1;
    int client_ = -1;
    uint16_t port_ = 0;
};

std::string Url(const char* host, uint16_t port) {
    return std::string("tcp://") + host + ":" + std::to_string(port);
}

// A line whose port numbers resolve through its own map.
struct NetworkLine {
    PortMap map;
    TestLine line{EN_CONSOLE_OPTIONS};
    uint32_t Add(const std::string& path) {
        line.SetPortMap(&map);
        return map.AddCommandLinePort(path);
    }
};

TEST(NetworkLine, WritesReadsAndReportsThePrinterClosingAsGone) {
    LoopbackServer server;
    ASSERT_TRUE(server.Ok());
    QueueWindow window;
    NetworkLine net;
    const uint32_t port = net.Add(Url("127.0.0.1", server.Port()));
    net.line.SetNotifyWindow(&window);
    net.line.SetNotifyCount(1);
    ASSERT_TRUE(net.line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT));
    ASSERT_TRUE(server.Accept(2s));
    EXPECT_FALSE(net.line.HasLineSettings());
    EXPECT_TRUE(net.line.IsCtsOn()) << "no modem lines: CTS counts as on";

    const auto data = Pattern(100 * 1024);
    net.line.Write(data.data(), static_cast<uint32_t>(data.size()));
    const std::string received = server.Receive(data.size(), 5s);
    ASSERT_EQ(received.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), received.begin(),
                           [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); }));

    // The printer answers a status request.
    server.Send(std::string("\x12", 1));
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_RECEIVE);
    ASSERT_TRUE(WaitUntil([&] { return net.line.GetRxBuffer().Size() == 1; }, 2s));

    server.CloseClient();
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_DEVICEGONE);
    EXPECT_EQ(msg.wParam, port);
    EXPECT_EQ(msg.lParam, ECONNRESET);
    EXPECT_LT(ElapsedMs([&] { net.line.Close(500); }), 1500);
    EXPECT_FALSE(net.line.IsOpen());
}

// The kernel still counts the bytes of a reset connection as queued; a printer that
// is gone has nothing left to flush, so the close does not wait on that figure.
TEST(NetworkLine, CloseAfterThePrinterDiedDoesNotWaitOnTheStaleQueue) {
    LoopbackServer server;
    ASSERT_TRUE(server.Ok());
    QueueWindow window;
    NetworkLine net;
    net.line.SetOptions(EN_CONSOLE_OPTIONS | EN_DRAIN_ON_CLOSE);
    const uint32_t port = net.Add(Url("127.0.0.1", server.Port()));
    net.line.SetNotifyWindow(&window);
    ASSERT_TRUE(net.line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT));
    ASSERT_TRUE(server.Accept(2s));
    net.line.CO_.WriteTotalTimeoutConstant = 10000;
    ASSERT_TRUE(net.line.SetTimeouts());
    // More than the socket buffers hold: the printer reads none of it.
    const auto data = Pattern(16 * 1024 * 1024);
    net.line.Write(data.data(), static_cast<uint32_t>(data.size()));
    ASSERT_TRUE(WaitUntil([&] { return net.line.QueuedBytes(false) > 0; }, 5s));
    server.ResetClient();
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(5s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_DEVICEGONE);
    EXPECT_LT(ElapsedMs([&] { net.line.Close(500); }), 1500);
    EXPECT_FALSE(net.line.IsOpen());
}

TEST(NetworkLine, ReadTimeoutsHoldOnASilentConnection) {
    LoopbackServer server;
    ASSERT_TRUE(server.Ok());
    NetworkLine net;
    net.line.SetOptions(0);
    const uint32_t port = net.Add(Url("localhost", server.Port()));
    ASSERT_TRUE(net.line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT));
    ASSERT_TRUE(server.Accept(2s));
    net.line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 1000};
    ASSERT_TRUE(net.line.SetTimeouts());
    char buffer[16];
    uint32_t got = 1;
    const int64_t idle = ElapsedMs([&] { got = net.line.RawRead(buffer, sizeof buffer); });
    EXPECT_EQ(got, 0u);
    EXPECT_GE(idle, 90);
    EXPECT_LE(idle, 400);
    server.Send("abc");
    EXPECT_EQ(net.line.RawRead(buffer, sizeof buffer), 3u);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    // Direct writes go out at once.
    EXPECT_EQ(net.line.Write("\x1b@"), 2);
    EXPECT_EQ(server.Receive(2, 2s), "\x1b@");
}

TEST(NetworkLine, RefusedAndMalformedAddressesFailWithTheirCause) {
    // A port that was just free: nothing listens there.
    uint16_t freePort = 0;
    {
        LoopbackServer gone;
        ASSERT_TRUE(gone.Ok());
        freePort = gone.Port();
    }
    NetworkLine net;
    const uint32_t refused = net.Add(Url("127.0.0.1", freePort));
    EXPECT_LT(ElapsedMs([&] { EXPECT_FALSE(net.line.Open(refused, BAUD, NOPARITY, 8, ONESTOPBIT)); }),
              1000);
    EXPECT_EQ(net.line.LastSystemError(), ECONNREFUSED);
    EXPECT_FALSE(net.line.IsOpen());
    // An address that is not one fails before any traffic.
    const uint32_t bad = net.Add("tcp://127.0.0.1:0");
    EXPECT_FALSE(net.line.Open(bad, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(net.line.LastSystemError(), EINVAL);
}

TEST(NetworkLine, APrinterThatNeverAnswersTimesOutInSeconds) {
    // A listener that never accepts, its queue full: further connects get no answer.
    LoopbackServer server(0);
    ASSERT_TRUE(server.Ok());
    std::vector<int> fillers;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(server.Port());
    for (int i = 0; i < 4; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        fillers.push_back(fd);
    }
    std::this_thread::sleep_for(100ms);
    NetworkLine net;
    const uint32_t port = net.Add(Url("127.0.0.1", server.Port()));
    const int64_t took =
        ElapsedMs([&] { EXPECT_FALSE(net.line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT)); });
    EXPECT_EQ(net.line.LastSystemError(), ETIMEDOUT);
    EXPECT_GE(took, NETWORK_CONNECT_TIMEOUT_MS - 100);
    EXPECT_LT(took, NETWORK_CONNECT_TIMEOUT_MS + 2000);
    for (int fd : fillers) close(fd);
}

TEST(NetworkLine, ConnectsOverIpv6Loopback) {
    LoopbackServer server(4, AF_INET6);
    if (!server.Ok()) GTEST_SKIP() << "no IPv6 loopback on this machine";
    NetworkLine net;
    const uint32_t port = net.Add("tcp://[::1]:" + std::to_string(server.Port()));
    ASSERT_TRUE(net.line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT));
    ASSERT_TRUE(server.Accept(2s));
    net.line.Write("v6");
    EXPECT_EQ(server.Receive(2, 2s), "v6");
}

TEST(NetworkAddress, ParsesHostsPortsAndTheDefault) {
    struct Case {
        const char* text;
        bool ok;
        const char* host;
        uint16_t port;
    } cases[] = {
        {"tcp://192.168.1.50", true, "192.168.1.50", 9100},
        {"tcp://192.168.1.50:9101", true, "192.168.1.50", 9101},
        {"tcp://printer.local:515/", true, "printer.local", 515},
        {"tcp://[fe80::1]:9100", true, "fe80::1", 9100},
        {"tcp://[::1]", true, "::1", 9100},
        {"tcp://::1", true, "::1", 9100},
        {"tcp://", false, "", 0},
        {"tcp://host:", false, "", 0},
        {"tcp://host:0", false, "", 0},
        {"tcp://host:65536", false, "", 0},
        {"tcp://host:12x", false, "", 0},
        {"tcp://[::1", false, "", 0},
        {"/dev/ttyS0", false, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseNetworkAddress(c.text);
        ASSERT_EQ(parsed.has_value(), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(parsed->host, c.host);
        EXPECT_EQ(parsed->port, c.port);
    }
    EXPECT_EQ(NetworkAddressText(*ParseNetworkAddress("tcp://[::1]")), "[::1]:9100");
    EXPECT_EQ(KindOfPath("tcp://x"), PortKind::Network);
    EXPECT_EQ(KindOfPath("/dev/usb/lp0"), PortKind::UsbPrinter);
    EXPECT_EQ(KindOfPath("/dev/usb/"), PortKind::Serial);
    EXPECT_EQ(KindOfPath("/dev/ttyUSB0"), PortKind::Serial);
}

} // namespace
