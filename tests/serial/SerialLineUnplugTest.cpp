// A pseudo-terminal whose master closes is a faithful unplug; one whose peer stops
// reading blocks writes once about 18 KB lie unread.
#include <gtest/gtest.h>

#include <thread>

#include "PtyPeer.h"
#include "TestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;

void OpenLikeConsole(CSerialLine& line, const PtyPeer& peer) {
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    line.SetNotifyCount(1);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 65535};
    ASSERT_TRUE(line.SetTimeouts());
}

TEST(SerialLineUnplug, ClosingTheMasterWhileBothThreadsRunIsSurvivedAndReportedOnce) {
    auto peer = std::make_unique<PtyPeer>();
    ASSERT_TRUE(peer->Ok());
    QueueWindow window;
    TestLine line(0);
    line.recordWrites = true;
    line.SetNotifyWindow(&window);
    OpenLikeConsole(line, *peer);
    // Fill the line until the write thread blocks in a port write.
    const auto data = Pattern(64 * 1024);
    line.Write(data.data(), static_cast<uint32_t>(data.size()));
    ASSERT_TRUE(WaitUntil([&] { return line.GetTxBuffer().Size() < data.size(); }, 2s));
    std::this_thread::sleep_for(200ms);
    EXPECT_GT(line.GetTxBuffer().Size(), 0u) << "the pseudo-terminal must be holding writes back";

    const uint32_t port = peer->Port();
    peer->CloseMaster();
    // The owner hears of it once, with the port and the system's reason.
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(2s, &msg)) << "no notification of the vanished device";
    EXPECT_EQ(msg.message, CN_MSG_DEVICEGONE);
    EXPECT_EQ(msg.wParam, port);
    EXPECT_NE(msg.lParam, 0);
    EXPECT_EQ(msg.lParam, line.LastSystemError());
    // The queued bytes were dropped and counted rather than retried for ever.
    EXPECT_EQ(line.GetTxBuffer().Size(), 0u);
    EXPECT_GT(line.DroppedTxBytes(), 0u);
    // The queue queries fail on the vanished device, a read ends at once with nothing.
    EXPECT_EQ(line.QueuedBytes(true), CN_QUERY_FAILED);
    EXPECT_EQ(line.QueuedBytes(false), CN_QUERY_FAILED);
    char buffer[16];
    EXPECT_LT(ElapsedMs([&] { EXPECT_EQ(line.RawRead(buffer, sizeof buffer), 0u); }), 90);
    EXPECT_EQ(line.Write("more"), 0) << "nothing crashes";

    // The threads go on without spinning or retrying the port.
    const size_t writesBefore = line.recorder->WriteLengths().size();
    const double cpuBefore = ProcessCpuMs();
    std::this_thread::sleep_for(1s);
    const double cpuUsed = ProcessCpuMs() - cpuBefore;
    EXPECT_LT(cpuUsed, 150.0) << "worker threads are spinning";
    EXPECT_EQ(line.recorder->WriteLengths().size(), writesBefore) << "still retrying";
    EXPECT_EQ(window.Pending(), 0u) << "reported once only";
    EXPECT_TRUE(line.IsOpen()) << "the owner closes it";

    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
    EXPECT_FALSE(line.IsOpen());
}

TEST(SerialLineUnplug, IdleOpenLineUsesAlmostNoCpu) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    OpenLikeConsole(line, peer);
    const double cpuBefore = ProcessCpuMs();
    std::this_thread::sleep_for(1s);
    EXPECT_LT(ProcessCpuMs() - cpuBefore, 150.0);
}

TEST(SerialLineBackpressure, WriteKeepsQueueingWhileTheWriteThreadWaits) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    OpenLikeConsole(line, peer);
    constexpr size_t PIECE = 1000;
    constexpr size_t PIECES = 80;
    const auto data = Pattern(PIECE * PIECES);
    // The peer reads nothing yet; every Write still returns at once.
    const int64_t queueing = ElapsedMs([&] {
        for (size_t i = 0; i < PIECES; ++i)
            EXPECT_EQ(line.Write(data.data() + i * PIECE, static_cast<uint32_t>(PIECE)), 0);
    });
    EXPECT_LT(queueing, 1000);
    std::this_thread::sleep_for(300ms);
    const uint32_t held = line.GetTxBuffer().Size();
    EXPECT_GT(held, 0u) << "the write thread is waiting on the full line";
    EXPECT_LT(held, data.size()) << "part of the data went out before the line filled";
    // The peer reads again: every byte arrives once and in order.
    const auto received = peer.Receive(data.size(), 10s);
    ASSERT_EQ(received.size(), data.size());
    EXPECT_TRUE(received == data);
    EXPECT_TRUE(peer.ReceiveUntilQuiet(200ms).empty()) << "nothing arrives twice";
}

} // namespace
