// A network printer that stops reading (out of paper, its buffer full) keeps answering
// the zero-window probes: it is "not taking data", never gone. Only a peer that stops
// answering altogether is. Long cases (each waits past the old 15 s limit): built and
// run in the normal build only.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <linux/filter.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "serial/PortMap.h"
#include "tests/support/SerialTestSupport.h"

namespace {

constexpr uint32_t BAUD = 9600;
// Longer than the user time-out that used to end such a connection (15 s).
constexpr auto OUT_OF_PAPER = 20s;
// A peer that answers nothing is declared gone within this (15 s of silence, checked
// about once a second).
constexpr auto GONE_WITHIN = 25s;

// The printer's end: a loopback listener and the one connection it accepts.
class Printer {
public:
    Printer() {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener_, 1) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        url_ = "tcp://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }
    ~Printer() {
        if (client_ >= 0) close(client_);
        if (listener_ >= 0) close(listener_);
    }
    const std::string& Url() const { return url_; }
    bool Accept() {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, 2000) != 1) return false;
        client_ = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        return client_ >= 0;
    }
    // Every segment that reaches this end is dropped before TCP sees it: nothing is
    // acknowledged or answered any more, as with a printer switched off mid-job.
    // Returns 0 or the errno of the refusal (EPERM where the kernel lets only the
    // administrator attach socket filters).
    int GoSilent() {
        sock_filter dropAll = BPF_STMT(BPF_RET | BPF_K, 0);
        sock_fprog program{1, &dropAll};
        return setsockopt(client_, SOL_SOCKET, SO_ATTACH_FILTER, &program, sizeof program) == 0
                   ? 0
                   : errno;
    }
    std::vector<uint8_t> Read(size_t count, std::chrono::milliseconds timeout) {
        std::vector<uint8_t> got;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        uint8_t buffer[65536];
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd p{client_, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            const ssize_t n = recv(client_, buffer, std::min(sizeof buffer, count - got.size()), 0);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int listener_ = -1;
    int client_ = -1;
    std::string url_;
};

struct OpenLine {
    explicit OpenLine(const std::string& url) {
        line.SetPortMap(&map);
        line.SetNotifyWindow(&window);
        ok = line.Open(map.AddCommandLinePort(url), BAUD, NOPARITY, 8, ONESTOPBIT);
        // The console's write time-out.
        line.CO_.WriteTotalTimeoutConstant = 65535;
        ok = ok && line.SetTimeouts();
    }
    bool Gone() {
        WindowMessage msg{};
        while (window.WaitFor(0ms, &msg))
            if (msg.message == CN_MSG_DEVICEGONE) gone = msg.lParam;
        return gone != 0;
    }
    PortMap map;
    QueueWindow window;
    TestLine line{EN_CONSOLE_OPTIONS};
    bool ok = false;
    intptr_t gone = 0;
};

TEST(NetworkStall, APrinterThatStopsReadingLongerThanTheOldLimitIsNotGone) {
    Printer printer;
    ASSERT_FALSE(printer.Url().empty());
    OpenLine net(printer.Url());
    ASSERT_TRUE(net.ok);
    ASSERT_TRUE(printer.Accept());
    // Far more than the socket buffers hold: the window closes and stays closed.
    const auto job = Pattern(32 * 1024 * 1024);
    net.line.Write(job.data(), static_cast<uint32_t>(job.size()));
    const auto until = std::chrono::steady_clock::now() + OUT_OF_PAPER;
    while (std::chrono::steady_clock::now() < until) {
        ASSERT_FALSE(net.Gone()) << "declared gone while the printer only stopped reading";
        std::this_thread::sleep_for(200ms);
    }
    EXPECT_TRUE(net.line.IsOpen());
    EXPECT_GT(net.line.GetTxBuffer().Size(), 0u) << "the job is kept while the printer waits";
    // Paper is back: the printer reads everything, nothing was lost.
    const std::vector<uint8_t> printed = printer.Read(job.size(), 60s);
    EXPECT_EQ(printed.size(), job.size());
    EXPECT_TRUE(printed == job);
    EXPECT_FALSE(net.Gone());
    EXPECT_EQ(net.line.DroppedTxBytes(), 0u);
}

TEST(NetworkStall, APrinterThatStopsAnsweringAltogetherIsGone) {
    Printer printer;
    ASSERT_FALSE(printer.Url().empty());
    OpenLine net(printer.Url());
    ASSERT_TRUE(net.ok);
    ASSERT_TRUE(printer.Accept());
    const int silenced = printer.GoSilent();
    if (silenced == EPERM)
        GTEST_SKIP() << "this kernel lets only the administrator drop a socket's segments "
                        "(unprivileged BPF disabled): run as root for this case";
    ASSERT_EQ(silenced, 0) << strerror(silenced);
    const auto job = Pattern(256 * 1024);
    net.line.Write(job.data(), static_cast<uint32_t>(job.size()));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(WaitUntil([&] { return net.Gone(); }, GONE_WITHIN));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 10s) << "a few lost segments are not gone";
    EXPECT_EQ(net.gone, ETIMEDOUT);
    EXPECT_LT(ElapsedMs([&] { net.line.Close(); }), 1500);
}

} // namespace
