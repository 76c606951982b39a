// The printer's line as the host meets it: a TCP port, a paced serial line, the
// receive buffer with its handshake, and paper end holding the print back.
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vprinter;
using namespace std::chrono_literals;

namespace {

constexpr int PATIENCE_MS = 40000;
const std::string STATUS_REQUEST = "\x10\x04\x05";
const std::string CUT("\x1D\x56\x42\x00", 4);

// A running printer with its receipts and log collected.
class Printer {
public:
    explicit Printer(VirtualPrinter::Options options) : printer(std::move(options)) {
        printer.SetReceiptHandler([this](const PaperBitmap& paper, ReceiptEnd) {
            std::lock_guard<std::mutex> lock(mutex);
            receipts.push_back(paper);
            changed.notify_all();
        });
        printer.SetLogHandler([this](const std::string& line) {
            std::lock_guard<std::mutex> lock(mutex);
            log.push_back(line);
        });
        std::string error;
        opened = printer.Open(&error) && printer.Start();
    }
    ~Printer() { printer.Stop(); }
    bool WaitReceipts(size_t count) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::milliseconds(PATIENCE_MS),
                                [&] { return receipts.size() >= count; });
    }
    bool Logged(const std::string& part) {
        std::lock_guard<std::mutex> lock(mutex);
        for (const std::string& line : log)
            if (line.find(part) != std::string::npos) return true;
        return false;
    }

    VirtualPrinter printer;
    bool opened = false;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<PaperBitmap> receipts;
    std::vector<std::string> log;
};

int Connect(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int OpenRaw(const std::string& path, bool xonXoff) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios line{};
    tcgetattr(fd, &line);
    cfmakeraw(&line);
    if (xonXoff) line.c_iflag |= IXON;
    tcsetattr(fd, TCSANOW, &line);
    return fd;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

// The next byte from fd, or -1 after the patience ran out.
int ReadByte(int fd, int timeoutMs = PATIENCE_MS) {
    pollfd p{fd, POLLIN, 0};
    uint8_t byte = 0;
    if (poll(&p, 1, timeoutMs) <= 0 || read(fd, &byte, 1) != 1) return -1;
    return byte;
}

// GS v 0 of a picture width x rows, every byte 0x5A or 0xA5 by row.
std::string Raster(int width, int rows) {
    const int stride = width / 8;
    std::string bytes = {0x1D, 0x76, 0x30, 0, static_cast<char>(stride & 0xFF),
                         static_cast<char>(stride >> 8), static_cast<char>(rows & 0xFF),
                         static_cast<char>(rows >> 8)};
    for (int y = 0; y < rows; ++y) bytes.append(static_cast<size_t>(stride), y % 2 ? 0x5A : 0xA5);
    return bytes;
}

bool Striped(const PaperBitmap& paper, int rows) {
    if (paper.Height() < rows) return false;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < paper.Width(); ++x)
            if (paper.Get(x, y) != (((y % 2 ? 0x5A : 0xA5) >> (7 - x % 8)) & 1)) return false;
    return true;
}

} // namespace

TEST(LineTransport, TcpHostsAreServedOneAfterAnother) {
    VirtualPrinter::Options options;
    options.tcpPort = 0;
    Printer p(options);
    ASSERT_TRUE(p.opened);
    const std::string address = p.printer.DevicePath();
    ASSERT_EQ(address.rfind("127.0.0.1:", 0), 0u) << address;
    const int port = std::stoi(address.substr(address.find(':') + 1));
    ASSERT_GT(port, 0);

    const int first = Connect(port);
    ASSERT_GE(first, 0);
    ASSERT_TRUE(WriteAll(first, "over the network\n" + STATUS_REQUEST));
    EXPECT_EQ(ReadByte(first), 0x00);
    p.printer.SetCondition(PRN_STATUS_OVERHEAT, true);
    ASSERT_TRUE(WriteAll(first, CUT + STATUS_REQUEST));
    EXPECT_EQ(ReadByte(first), PRN_STATUS_OVERHEAT);
    ASSERT_TRUE(p.WaitReceipts(1));
    close(first);

    // The next host gets the printer once the first has gone.
    const int second = Connect(port);
    ASSERT_GE(second, 0);
    ASSERT_TRUE(WriteAll(second, STATUS_REQUEST));
    EXPECT_EQ(ReadByte(second), PRN_STATUS_OVERHEAT);
    close(second);
}

TEST(LineTransport, BaudRateLimitsHowFastBytesArrive) {
    // 1,920 bytes that move no paper take a second at 19,200 baud (1,920 bytes/s).
    constexpr long BAUD = 19200;
    constexpr int COMMANDS = 640; // ESC 3 n, three bytes each
    VirtualPrinter::Options options;
    options.baud = BAUD;
    Printer p(options);
    ASSERT_TRUE(p.opened);
    const int line = OpenRaw(p.printer.DevicePath(), false);
    ASSERT_GE(line, 0);
    std::string bytes;
    for (int i = 0; i < COMMANDS; ++i) bytes += "\x1B\x33\x1E";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(WriteAll(line, bytes + STATUS_REQUEST));
    EXPECT_EQ(ReadByte(line), 0x00);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.95);
    EXPECT_EQ(p.printer.DroppedBytes(), 0u);
    close(line);
}

TEST(LineTransport, PaperEndHoldsThePrintUntilCleared) {
    VirtualPrinter::Options options;
    Printer p(options);
    ASSERT_TRUE(p.opened);
    const int line = OpenRaw(p.printer.DevicePath(), false);
    p.printer.SetCondition(PRN_STATUS_PAPER_END, true);
    // Status requests and automatic status back are answered while the print waits.
    ASSERT_TRUE(WriteAll(line, "waits for paper\n" + CUT + STATUS_REQUEST));
    EXPECT_EQ(ReadByte(line), PRN_STATUS_PAPER_END);
    ASSERT_TRUE(WriteAll(line, "\x1D\x61\x2F"));
    EXPECT_EQ(ReadByte(line), PRN_STATUS_PAPER_END);
    std::this_thread::sleep_for(200ms);
    {
        std::lock_guard<std::mutex> lock(p.mutex);
        EXPECT_TRUE(p.receipts.empty());
    }
    p.printer.SetCondition(PRN_STATUS_PAPER_END, false);
    EXPECT_EQ(ReadByte(line), 0x00); // automatic status back: paper again
    ASSERT_TRUE(p.WaitReceipts(1));
    // The requests were answered once, not again when the buffer printed.
    EXPECT_EQ(ReadByte(line, 200), -1);
    close(line);

    // The old behaviour on request: printing goes on without paper.
    options.printWhileStopped = true;
    Printer q(options);
    const int other = OpenRaw(q.printer.DevicePath(), false);
    q.printer.SetCondition(PRN_STATUS_PLATEN_UP, true);
    ASSERT_TRUE(WriteAll(other, "printed anyway\n" + CUT));
    EXPECT_TRUE(q.WaitReceipts(1));
    close(other);
}

// At 115,200 baud the line brings 11,520 bytes a second, the paper at 25 mm/s takes
// 9,600 of a 384-dot picture: the 4 KiB buffer fills, and XOFF holds the host.
TEST(FlowControl, SenderThatStopsOnXoffLosesNothing) {
    constexpr int ROWS = 4267; // 204,816 bytes of picture
    VirtualPrinter::Options options;
    options.baud = 115200;
    options.bufferBytes = 4096;
    options.printSpeedMmS = 25;
    Printer p(options);
    ASSERT_TRUE(p.opened);
    const int line = OpenRaw(p.printer.DevicePath(), true);
    ASSERT_TRUE(WriteAll(line, Raster(PRN_WIDTH_58MM, ROWS) + CUT));
    ASSERT_TRUE(p.WaitReceipts(1)) << "the picture did not come out";
    EXPECT_EQ(p.printer.DroppedBytes(), 0u);
    EXPECT_GT(p.printer.HoldBacks(), 0u);
    std::lock_guard<std::mutex> lock(p.mutex);
    EXPECT_TRUE(Striped(p.receipts[0], ROWS));
    close(line);
}

TEST(FlowControl, SenderThatIgnoresXoffLosesBytesAndTheLogCounts) {
    constexpr int ROWS = 680; // 32,640 bytes; the paper at 5 mm/s takes 1,920 a second
    VirtualPrinter::Options options;
    options.baud = 115200;
    options.bufferBytes = 4096;
    options.printSpeedMmS = 5;
    Printer p(options);
    ASSERT_TRUE(p.opened);
    const int line = OpenRaw(p.printer.DevicePath(), false);
    ASSERT_TRUE(WriteAll(line, Raster(PRN_WIDTH_58MM, ROWS)));
    EXPECT_EQ(ReadByte(line), 0x13); // XOFF came, and was ignored
    // Once everything that got in is printed, the loss is in the log.
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!p.Logged("bytes dropped") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(50ms);
    const uint64_t dropped = p.printer.DroppedBytes();
    EXPECT_GT(dropped, 10000u);
    EXPECT_TRUE(p.Logged("receive buffer full: " + std::to_string(dropped) + " bytes dropped"));
    close(line);
}

TEST(FlowControl, TcpHostIsHeldBackByTheUnreadSocket) {
    constexpr int ROWS = 500; // 24,000 bytes at 20 mm/s: 7,680 a second
    VirtualPrinter::Options options;
    options.tcpPort = 0;
    options.bufferBytes = 4096;
    options.printSpeedMmS = 20;
    Printer p(options);
    ASSERT_TRUE(p.opened);
    const std::string address = p.printer.DevicePath();
    const int fd = Connect(std::stoi(address.substr(address.find(':') + 1)));
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(WriteAll(fd, Raster(PRN_WIDTH_58MM, ROWS) + CUT));
    ASSERT_TRUE(p.WaitReceipts(1));
    EXPECT_EQ(p.printer.DroppedBytes(), 0u);
    EXPECT_GT(p.printer.HoldBacks(), 0u);
    std::lock_guard<std::mutex> lock(p.mutex);
    EXPECT_TRUE(Striped(p.receipts[0], ROWS));
    close(fd);
}
