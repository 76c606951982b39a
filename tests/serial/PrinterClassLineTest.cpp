// The engine on a USB printer-class device. The device's descriptor code is run on a
// socket pair standing in for /dev/usb/lp0 (the only difference is the open call,
// which is tested on its own: a path that does not exist and one the user may not
// open).
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "serial/PortMap.h"
#include "tests/serial/ProbeSupport.h"
#include "tests/support/PrinterClassStandIn.h"

namespace {

constexpr uint32_t BAUD = 9600;
constexpr uint32_t PORT = 501;

// The printer-class code on one end of a socket pair; the test plays the printer on
// the other end.
class StandInLine : public PrinterClassStandIn {
public:
    StandInLine() : PrinterClassStandIn(SocketPairEnds()) {}
    std::string Receive(size_t count, std::chrono::milliseconds timeout) {
        std::string got;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        char buffer[4096];
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd p{printer, POLLIN, 10};
            if (poll(&p, 1, 10) <= 0) continue;
            const ssize_t n = read(printer, buffer, std::min(sizeof buffer, count - got.size()));
            if (n <= 0) break;
            got.append(buffer, static_cast<size_t>(n));
        }
        return got;
    }
};

TEST(PrinterClassLine, WritesReadsStatusAndReportsUnplug) {
    std::signal(SIGPIPE, SIG_IGN); // the stand-in is a socket; the real device never raises it
    StandInLine line;
    ASSERT_GE(line.printer, 0);
    QueueWindow window;
    line.SetNotifyWindow(&window);
    line.SetNotifyCount(1);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_FALSE(line.HasLineSettings());
    // The record is kept but changes nothing; RTS/CTS never holds output back.
    line.DCB_.fOutxCtsFlow = 1;
    line.DCB_.fRtsControl = RTS_CONTROL_HANDSHAKE;
    ASSERT_TRUE(line.SetState());
    EXPECT_TRUE(line.IsCtsOn());

    const auto data = Pattern(50 * 1024);
    line.Write(data.data(), static_cast<uint32_t>(data.size()));
    const std::string got = line.Receive(data.size(), 5s);
    ASSERT_EQ(got.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), got.begin(),
                           [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); }));

    // A bidirectional printer answers DLE EOT through read().
    ASSERT_EQ(write(line.printer, "\x16", 1), 1);
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_RECEIVE);
    ASSERT_TRUE(WaitUntil([&] { return line.GetRxBuffer().Size() == 1; }, 2s));

    line.ClosePrinter();
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_DEVICEGONE);
    EXPECT_EQ(msg.wParam, PORT);
    EXPECT_EQ(msg.lParam, ENODEV);
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
}

TEST(PrinterClassLine, DirectTransfersKeepTheirTimeouts) {
    StandInLine line;
    line.SetOptions(0);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 200};
    ASSERT_TRUE(line.SetTimeouts());
    char buffer[8];
    uint32_t got = 1;
    const int64_t idle = ElapsedMs([&] { got = line.RawRead(buffer, sizeof buffer); });
    EXPECT_EQ(got, 0u);
    EXPECT_GE(idle, 90);
    EXPECT_LE(idle, 400);
    EXPECT_EQ(line.QueuedBytes(true), 0u);
    ASSERT_EQ(write(line.printer, "ok", 2), 2);
    ASSERT_TRUE(WaitUntil([&] { return line.QueuedBytes(true) == 2; }, 2s));
    EXPECT_EQ(line.RawRead(buffer, sizeof buffer), 2u);
    // A printer that takes nothing: the write ends at its time-out with what went.
    const auto big = Pattern(4 * 1024 * 1024);
    uint32_t sent = 0;
    const int64_t stalled =
        ElapsedMs([&] { sent = line.RawWrite(big.data(), static_cast<uint32_t>(big.size())); });
    EXPECT_LT(sent, big.size());
    EXPECT_GE(stalled, 150);
    EXPECT_LE(stalled, 1000);
}

// The driver takes one transfer at a time and says POLLOUT when it is done; closing
// before that kills the transfer. The stand-in's full socket buffer is that transfer.
TEST(PrinterClassLine, CloseWaitsForTheTransferInFlightAndCountsWhatStaysThere) {
    std::signal(SIGPIPE, SIG_IGN);
    for (const bool printerReads : {true, false}) {
        SCOPED_TRACE(printerReads ? "slow printer" : "printer that takes nothing");
        StandInLine line;
        line.SetOptions(0);
        ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
        line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 200};
        ASSERT_TRUE(line.SetTimeouts());
        const auto data = Pattern(4 * 1024 * 1024);
        const uint32_t handed = line.RawWrite(data.data(), static_cast<uint32_t>(data.size()));
        ASSERT_GT(handed, 0u);
        ASSERT_LT(handed, data.size()) << "the transfer must still be in flight";
        std::string got;
        std::thread printer([&] {
            if (!printerReads) return;
            std::this_thread::sleep_for(400ms);
            got = line.Receive(handed, 10s);
        });
        const int64_t took = ElapsedMs([&] { line.Close(); });
        printer.join();
        EXPECT_FALSE(line.IsOpen());
        if (printerReads) {
            EXPECT_GE(took, 300) << "closed with the transfer in flight";
            EXPECT_EQ(line.UndeliveredAtClose(), 0u);
            EXPECT_EQ(got.size(), handed);
        } else {
            EXPECT_LT(took, 7000);
            EXPECT_GT(line.UndeliveredAtClose(), 0u);
            EXPECT_LE(line.UndeliveredAtClose(), handed);
        }
    }
}

TEST(PrinterClassLine, MissingDeviceFailsWithItsCause) {
    PortMap map;
    const uint32_t port = map.AddCommandLinePort("/dev/usb/lp97");
    TestLine line(EN_CONSOLE_OPTIONS);
    line.SetPortMap(&map);
    EXPECT_FALSE(line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(line.LastSystemError(), ENOENT);
}

TEST(PrinterClassLine, DeviceWithoutPermissionIsRefusedToAnOrdinaryUser) {
    char path[] = "/tmp/usblp-standin-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    // Root's and closed to others, as /dev/usb/lp0 is root:lp 0660 to a user not in
    // the lp group (when the test itself is not root, closed to its own user too).
    ASSERT_EQ(chmod(path, geteuid() == 0 ? 0600 : 0000), 0);
    const ProbeResult result = RunProbe("usbopen", path);
    unlink(path);
    EXPECT_EQ(result.exitCode, 3) << result.errors;
    EXPECT_NE(result.errors.find("error 13"), std::string::npos) << result.errors;
}

} // namespace
