// A one-way USB printer pulled out while the port is idle. Such a printer refuses
// reads, so no input ever ends the read thread's idle wait; the unplug must still be
// seen then, not only at the next write. The printer-class code runs on the write end
// of a pipe standing in for /dev/usb/lp0: reads are refused there too, and closing
// the read end (the printer going) is a hang-up on the device.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <future>
#include <unistd.h>

#include "serial/SerialPlatform.h"
#include "tests/support/PrinterClassStandIn.h"

namespace {

using namespace std::chrono_literals;

constexpr uint32_t BAUD = 9600;
constexpr uint32_t PORT = 501;

// The printer-class code on the write end of a pipe; the test's printer is the read
// end.
class OneWayLine : public PrinterClassStandIn {
public:
    OneWayLine() : PrinterClassStandIn(PipeEnds()) {}
    // Ends every wait of the device, as stopping the threads does.
    void Interrupt() {
        if (Device()) Device()->Interrupt(true);
    }
    bool DeviceSaysGone() const { return Device() && Device()->Vanished(); }
    void Unplug() { ClosePrinter(); }
};

TEST(PrinterClassIdleUnplug, OneWayPrinterPulledWhileIdleIsReportedGoneWithoutAWrite) {
    std::signal(SIGPIPE, SIG_IGN); // the stand-in is a pipe; the real device never raises it
    OneWayLine line;
    ASSERT_GE(line.printer, 0);
    QueueWindow window;
    line.SetNotifyWindow(&window);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));

    // It prints, and asking it for input is no failure.
    const char text[] = "ok\n";
    line.Write(text, sizeof text - 1);
    char got[sizeof text] = {};
    ASSERT_TRUE(WaitUntil([&] { return read(line.printer, got, sizeof got) == 3; }, 3s));
    EXPECT_EQ(line.QueuedBytes(true), 0u);
    EXPECT_FALSE(line.DeviceVanished());

    // Pulled out with nothing to send: the threads idle, and still hear of it.
    line.Unplug();
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(10s, &msg)) << "the unplug went unnoticed";
    EXPECT_EQ(msg.message, CN_MSG_DEVICEGONE);
    EXPECT_EQ(msg.wParam, PORT);
    EXPECT_EQ(msg.lParam, ENODEV);
    EXPECT_TRUE(line.DeviceVanished());
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
}

TEST(PrinterClassIdleUnplug, DirectReadOnAPulledOneWayPrinterFailsAtOnce) {
    std::signal(SIGPIPE, SIG_IGN);
    OneWayLine line;
    ASSERT_GE(line.printer, 0);
    line.SetOptions(0);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    // No time-out: a read waits for its bytes, which a pulled printer never sends.
    line.CO_ = COMMTIMEOUTS{0, 0, 0, 0, 0};
    ASSERT_TRUE(line.SetTimeouts());
    line.Unplug();
    char buffer[1];
    auto read = std::async(std::launch::async, [&] { return line.RawRead(buffer, sizeof buffer); });
    const bool ended = read.wait_for(5s) == std::future_status::ready;
    if (!ended) line.Interrupt(); // frees the read, so the test ends either way
    EXPECT_TRUE(ended) << "the read went on waiting on a device that is gone";
    EXPECT_EQ(read.get(), 0u);
    EXPECT_TRUE(line.DeviceSaysGone());
}

} // namespace
