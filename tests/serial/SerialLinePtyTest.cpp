// CSerialLine on real pseudo-terminals: opening through the port map, line settings,
// the console's configuration (0x3C) and the overlapped watch thread.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "PortMap.h"
#include "PtyPeer.h"
#include "TestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;
constexpr uint32_t CONSOLE_BAUDS[] = {9600,   19200,  38400,  56000,  57600,  115200, 150000,
                                      230400, 300000, 375000, 460800, 600000, 750000};

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

void ApplyConsoleTimeouts(CSerialLine& line) {
    line.CO_.ReadIntervalTimeout = 10;
    line.CO_.ReadTotalTimeoutMultiplier = 0;
    line.CO_.ReadTotalTimeoutConstant = 100;
    line.CO_.WriteTotalTimeoutMultiplier = 0;
    line.CO_.WriteTotalTimeoutConstant = 65535;
    ASSERT_TRUE(line.SetTimeouts());
}

// Opens the way the console does: options 0x3C, notify count, 8N1, its time-outs.
void OpenLikeConsole(CSerialLine& line, const PtyPeer& peer, uint32_t notifyCount = 1) {
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    line.SetNotifyCount(notifyCount);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    ApplyConsoleTimeouts(line);
}

TEST(SerialLineOpen, OpensByPortNumberAndWritesDirectly) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    ASSERT_GE(peer.Port(), 901u);
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_TRUE(line.IsOpen());
    EXPECT_EQ(line.GetPort(), peer.Port());
    EXPECT_EQ(std::string(line.GetPortName()), "\\\\.\\COM" + std::to_string(peer.Port()));
    // Direct mode: the bytes go out at once and the count is returned.
    EXPECT_EQ(line.Write("hello"), 5);
    EXPECT_EQ(Text(peer.Receive(5, 2s)), "hello");
    // And the other way round.
    peer.Send("ok");
    char buffer[8] = {};
    EXPECT_EQ(line.RawRead(buffer, 2), 2u);
    EXPECT_STREQ(buffer, "ok");
    line.Close();
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(line.QueuedBytes(true), CN_QUERY_FAILED);
    EXPECT_EQ(line.ModemStatus(), 0u);
    EXPECT_EQ(line.GetPort(), peer.Port()); // the binding stays after closing
}

TEST(SerialLineOpen, ResolvesThroughTheMapItIsGiven) {
    PtyPeer peer; // registered in the global map as well
    ASSERT_TRUE(peer.Ok());
    PortMap own;
    const uint32_t number = own.AddCommandLinePort(peer.SlavePath());
    ASSERT_EQ(number, PortMap::COMMAND_LINE_BASE);
    TestLine line(0);
    line.SetPortMap(&own);
    ASSERT_TRUE(line.Open(number, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(line.Write("m"), 1);
    EXPECT_EQ(Text(peer.Receive(1, 2s)), "m");
    line.Close();
    PortMap empty;
    line.SetPortMap(&empty);
    EXPECT_FALSE(line.Open(number, BAUD, NOPARITY, 8, ONESTOPBIT));
}

TEST(SerialLineOpen, RejectsPortNumbersOutsideTheRangeWithoutTouchingAnything) {
    DiagnosticsCapture diagnostics;
    TestLine line(EN_CONSOLE_OPTIONS);
    EXPECT_FALSE(line.Open(0, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_FALSE(line.Open(1025, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_FALSE(line.IsOpen());
    EXPECT_EQ(line.GetPort(), CN_INVALID_PORT);
    EXPECT_STREQ(line.GetPortName(), "");
    EXPECT_FALSE(line.IsRunning());
    EXPECT_TRUE(
        diagnostics.Contains("CN_ASSERT(dwPort>=1 && dwPort<=1024) failed; CSerialLine(375); "));
    // A number with no device behind it fails in OpenPort and leaves nothing open.
    EXPECT_FALSE(line.Open(1024, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_STREQ(line.GetPortName(), "\\\\.\\COM1024");
    EXPECT_TRUE(diagnostics.Contains(
        "CN_ASSERT(OpenPort()) failed; CSerialLine(380); error 2 (No such file or directory)"));
    EXPECT_FALSE(line.IsOpen());
}

TEST(SerialLineOpen, SecondOpenOfAPortInUseFails) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine first(0);
    TestLine second(0);
    ASSERT_TRUE(first.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_FALSE(second.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_FALSE(second.IsOpen());
    // The first owner is undisturbed; once it lets go, the port can be had again.
    EXPECT_EQ(first.Write("x"), 1);
    EXPECT_EQ(Text(peer.Receive(1, 2s)), "x");
    first.Close();
    EXPECT_TRUE(second.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
}

TEST(SerialLineState, EveryConsoleRateIsSetAndReadBack) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    for (uint32_t baud : CONSOLE_BAUDS) {
        SCOPED_TRACE(baud);
        ASSERT_TRUE(line.SetState(baud, NOPARITY, 8, ONESTOPBIT));
        EXPECT_EQ(line.DCB_.BaudRate, baud);
        DCB actual{};
        ASSERT_TRUE(line.ReadState(&actual));
        EXPECT_EQ(actual.BaudRate, baud);
    }
}

TEST(SerialLineState, FramingParityAndFlowControlReachTheDevice) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), 750000, EVENPARITY, 7, TWOSTOPBITS));
    DCB actual{};
    ASSERT_TRUE(line.ReadState(&actual));
    EXPECT_EQ(actual.DCBlength, 28u);
    EXPECT_EQ(actual.BaudRate, 750000u);
    // A pseudo-terminal always frames 8 bits without parity; the parity check and
    // the stop bits are kept.
    EXPECT_EQ(actual.StopBits, TWOSTOPBITS);
    EXPECT_EQ(actual.fParity, 1u);
    EXPECT_EQ(line.DCB_.fParity, 1u);

    ASSERT_TRUE(line.SetState(9600, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(line.DCB_.fParity, 0u);
    // The console edits the record in place and applies it without arguments.
    line.DCB_.fOutxCtsFlow = 1;
    line.DCB_.fRtsControl = RTS_CONTROL_HANDSHAKE;
    ASSERT_TRUE(line.SetState());
    ASSERT_TRUE(line.ReadState(&actual));
    EXPECT_EQ(actual.fOutxCtsFlow, 1u);
    EXPECT_EQ(actual.fOutX, 0u);
    line.DCB_.fOutxCtsFlow = 0;
    line.DCB_.fRtsControl = RTS_CONTROL_ENABLE;
    line.DCB_.fOutX = 1;
    line.DCB_.fInX = 1;
    line.DCB_.XonChar = 0x11;
    line.DCB_.XoffChar = 0x13;
    ASSERT_TRUE(line.SetState());
    ASSERT_TRUE(line.ReadState(&actual));
    EXPECT_EQ(actual.fOutxCtsFlow, 0u);
    EXPECT_EQ(actual.fOutX, 1u);
    EXPECT_EQ(actual.fInX, 1u);
    EXPECT_EQ(actual.XonChar, 0x11);
    EXPECT_EQ(actual.XoffChar, 0x13);
    // A record the device cannot take fails and is reported as such.
    DCB bad = line.DCB_;
    bad.ByteSize = 9;
    EXPECT_FALSE(line.SetState(&bad));
}

TEST(SerialLineTimeouts, ConsoleReadTimeoutsAreHonoured) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    ApplyConsoleTimeouts(line);
    char buffer[100];
    uint32_t got = 1;
    // Nothing arrives: the read ends at the 100 ms total.
    const int64_t idle = ElapsedMs([&] { got = line.RawRead(buffer, sizeof buffer); });
    EXPECT_EQ(got, 0u);
    EXPECT_GE(idle, 90);
    EXPECT_LE(idle, 400);
    // Four bytes then silence: the 10 ms interval ends the read long before the total.
    peer.Send("abcd");
    const int64_t burst = ElapsedMs([&] { got = line.RawRead(buffer, sizeof buffer); });
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_LT(burst, 90);
    // Without an interval, bytes trickling in keep the read going until the total.
    line.CO_.ReadIntervalTimeout = 0;
    ASSERT_TRUE(line.SetTimeouts());
    std::atomic<bool> stop{false};
    std::thread trickle([&] {
        while (!stop) {
            peer.Send("t");
            std::this_thread::sleep_for(5ms);
        }
    });
    const int64_t trickling = ElapsedMs([&] { got = line.RawRead(buffer, sizeof buffer); });
    stop = true;
    trickle.join();
    EXPECT_GE(got, 1u);
    EXPECT_LT(got, sizeof buffer);
    EXPECT_GE(trickling, 90);
    EXPECT_LE(trickling, 400);
}

TEST(SerialLineConsole, LongWriteLeavesInChunksOf1024AndArrivesWhole) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(EN_WATCH_THREAD | EN_OVERLAPPED_IO);
    line.recordWrites = true;
    OpenLikeConsole(line, peer);
    ASSERT_NE(line.recorder, nullptr);
    const auto data = Pattern(2500);
    EXPECT_EQ(line.Write(data.data(), static_cast<uint32_t>(data.size())), 0);
    const auto received = peer.Receive(data.size(), 5s);
    EXPECT_EQ(received, data);
    ASSERT_TRUE(WaitUntil([&] { return line.GetTxBuffer().Size() == 0; }, 2s));
    EXPECT_EQ(line.recorder->WriteLengths(), (std::vector<uint32_t>{1024, 1024, 452}));
}

TEST(SerialLineConsole, ReceivedBytesAreGatheredWithOneNotification) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(EN_WATCH_THREAD | EN_OVERLAPPED_IO);
    line.SetNotifyWindow(&window);
    OpenLikeConsole(line, peer);
    peer.Send("\x10\x04\x01", 3);
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_RECEIVE);
    EXPECT_EQ(msg.wParam, peer.Port());
    EXPECT_EQ(msg.lParam, 0);
    std::this_thread::sleep_for(250ms);
    EXPECT_EQ(window.Pending(), 0u) << "only one notification for one burst";
    auto& rx = line.GetRxBuffer();
    ASSERT_EQ(rx.Size(), 3u);
    char bytes[3];
    EXPECT_EQ(rx.Read(bytes, 3, true), 3u);
    EXPECT_EQ(std::string(bytes, 3), std::string("\x10\x04\x01", 3));
}

TEST(SerialLineConsole, NotifyCountHoldsTheNotificationUntilEnoughBytes) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(0);
    line.SetNotifyWindow(&window);
    OpenLikeConsole(line, peer, 10);
    peer.Send("1234");
    ASSERT_TRUE(WaitUntil([&] { return line.GetRxBuffer().Size() == 4; }, 2s));
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(window.Pending(), 0u);
    peer.Send("567890");
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_RECEIVE);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(window.Pending(), 0u);
    std::string all(10, '\0');
    EXPECT_EQ(line.GetRxBuffer().Read(all.data(), 10, true), 10u);
    EXPECT_EQ(all, "1234567890");
}

TEST(SerialLineConsole, CloseWithBothThreadsRunningReturnsInTime) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    OpenLikeConsole(line, peer);
    EXPECT_TRUE(line.IsRunning());
    line.Write("pending");
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
    EXPECT_FALSE(line.IsOpen());
    EXPECT_FALSE(line.IsRunning());
    EXPECT_FALSE(line.StopThreads(500)) << "no thread left to stop";
    // Reopening starts the threads again.
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_TRUE(line.IsRunning());
    EXPECT_FALSE(line.BeginThread()) << "threads already run";
}

TEST(SerialLineConsole, WriteRecordsFirstAndQueuesEvenWhenClosed) {
    TestLine line(EN_CONSOLE_OPTIONS);
    EXPECT_EQ(line.Write("abc"), 0);
    EXPECT_EQ(line.GetTxBuffer().Size(), 3u);
    EXPECT_EQ(line.Write("", 0), 0);
    EXPECT_EQ(line.Write(static_cast<const char*>(nullptr)), 0);
    ASSERT_EQ(line.sentRecord.size(), 2u);
    EXPECT_EQ(line.sentRecord[0], "abc");
    EXPECT_EQ(line.sentRecord[1], "");
    TestLine direct(0);
    EXPECT_EQ(direct.Write("abc"), 0) << "closed, direct: nothing written";
    ASSERT_EQ(direct.sentRecord.size(), 1u);
}

TEST(SerialLineOverlapped, WatchThreadReceivesAndDrains) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(EN_WATCH_THREAD | EN_OVERLAPPED_IO | EN_RX_BUFFERING | EN_TX_BUFFER);
    line.SetNotifyWindow(&window);
    line.SetNotifyCount(1);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    const auto data = Pattern(3000);
    EXPECT_EQ(line.Write(data.data(), static_cast<uint32_t>(data.size())), 0);
    EXPECT_EQ(peer.Receive(data.size(), 5s), data);
    peer.Send("xyz");
    WindowMessage msg{};
    // The watch thread also reports the emptied output queue; find the receive.
    bool received = false;
    while (!received && window.WaitFor(3s, &msg)) received = msg.message == CN_MSG_RECEIVE;
    ASSERT_TRUE(received);
    EXPECT_EQ(msg.wParam, peer.Port());
    ASSERT_TRUE(WaitUntil([&] { return line.GetRxBuffer().Size() == 3; }, 2s));
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
}

TEST(SerialLineOverlapped, WithoutRxBufferingTheOwnerReadsThePort) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(EN_WATCH_THREAD | EN_OVERLAPPED_IO);
    line.SetNotifyWindow(&window);
    line.SetNotifyCount(2);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(line.Write("ab"), 2) << "direct write in overlapped mode";
    EXPECT_EQ(Text(peer.Receive(2, 2s)), "ab");
    peer.Send("hi!");
    WindowMessage msg{};
    bool received = false;
    while (!received && window.WaitFor(3s, &msg)) received = msg.message == CN_MSG_RECEIVE;
    ASSERT_TRUE(received);
    char buffer[3];
    EXPECT_EQ(line.RawRead(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "hi!");
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
}

} // namespace

namespace {

TEST(SerialLinePolling, SynchronousWatchThreadReceivesAndDrains) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(EN_WATCH_THREAD | EN_RX_BUFFERING | EN_TX_BUFFER);
    line.SetNotifyWindow(&window);
    line.SetNotifyCount(1);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    const auto data = Pattern(3000);
    for (size_t off = 0; off < data.size(); off += 500)
        EXPECT_EQ(line.Write(data.data() + off, 500), 0);
    EXPECT_EQ(peer.Receive(data.size(), 5s), data);
    peer.Send("rx");
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(3s, &msg));
    EXPECT_EQ(msg.message, CN_MSG_RECEIVE);
    ASSERT_TRUE(WaitUntil([&] { return line.GetRxBuffer().Size() == 2; }, 2s));
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
}

} // namespace
