// A console line left alone long enough for its threads to stop polling and sleep
// until there is work: each kind of work still wakes them, and soon.
#include <gtest/gtest.h>

#include <thread>

#include "tests/support/PrinterPeer.h"
#include "tests/support/SerialTestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;
// Well past the second of empty polls after which the threads sleep.
constexpr auto IDLE_SPELL = 1600ms;
// Generous: these say "it was woken", not "how fast".
constexpr auto PROMPT = 3s;
constexpr int64_t PROMPT_CLOSE_MS = 3000;

void OpenLikeConsole(CSerialLine& line, PrinterPeer& peer, QueueWindow& window) {
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    line.SetNotifyCount(1);
    line.SetNotifyWindow(&window);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 65535};
    ASSERT_TRUE(line.SetTimeouts());
}

std::string TakeRx(CSerialLine& line) {
    auto& rx = line.GetRxBuffer();
    std::string text(rx.Size(), '\0');
    text.resize(rx.Read(text.data(), static_cast<uint32_t>(text.size()), true));
    return text;
}

TEST(SerialLineIdle, AnIdleLineStillReceivesAndSendsAndGoesBackToSleep) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(0);
    OpenLikeConsole(line, peer, window);

    // Twice, so that the threads are seen to fall asleep again after working.
    for (const std::string reply : {"\x10\x04\x01", "\x12\x34\x56"}) {
        std::this_thread::sleep_for(IDLE_SPELL);
        ASSERT_TRUE(peer.Send(reply));
        WindowMessage msg{};
        ASSERT_TRUE(window.WaitFor(PROMPT, &msg)) << "the sleeping reader was not woken";
        EXPECT_EQ(msg.message, CN_MSG_RECEIVE);
        EXPECT_EQ(msg.wParam, peer.Port());
        ASSERT_TRUE(WaitUntil([&] { return line.GetRxBuffer().Size() == reply.size(); }, PROMPT));
        std::this_thread::sleep_for(200ms);
        EXPECT_EQ(window.Pending(), 0u) << "bytes arriving together give one notification";
        EXPECT_EQ(TakeRx(line), reply);

        std::this_thread::sleep_for(IDLE_SPELL);
        peer.Forget();
        line.Write("\x1b@ok", 4);
        EXPECT_TRUE(peer.WaitForBytes(4, PROMPT)) << "the sleeping writer was not woken";
        EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{0x1b, '@', 'o', 'k'}));
        EXPECT_EQ(line.GetTxBuffer().Size(), 0u);
    }
}

TEST(SerialLineIdle, AnIdleLineClosesPromptlyAndCanBeOpenedAgain) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(0);
    OpenLikeConsole(line, peer, window);
    std::this_thread::sleep_for(IDLE_SPELL);
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), PROMPT_CLOSE_MS);
    EXPECT_FALSE(line.IsOpen()) << "a sleeping thread kept the port open";
    EXPECT_FALSE(line.IsRunning());

    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    std::this_thread::sleep_for(IDLE_SPELL);
    ASSERT_TRUE(peer.Send("again"));
    EXPECT_TRUE(WaitUntil([&] { return line.GetRxBuffer().Size() == 5; }, PROMPT));
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), PROMPT_CLOSE_MS);
    EXPECT_FALSE(line.IsOpen());
}

TEST(SerialLineIdle, ADeviceVanishingUnderAnIdleLineIsReportedAndWritesAreDropped) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(0);
    OpenLikeConsole(line, peer, window);
    const uint32_t port = peer.Port();
    std::this_thread::sleep_for(IDLE_SPELL);
    peer.CloseMaster();
    WindowMessage msg{};
    ASSERT_TRUE(window.WaitFor(PROMPT, &msg)) << "the vanished device was not noticed";
    EXPECT_EQ(msg.message, CN_MSG_DEVICEGONE);
    EXPECT_EQ(msg.wParam, port);
    EXPECT_NE(msg.lParam, 0);

    // Bytes written afterwards are dropped and counted rather than kept for a device
    // that is gone.
    std::this_thread::sleep_for(IDLE_SPELL);
    line.Write("lost", 4);
    EXPECT_TRUE(WaitUntil([&] { return line.DroppedTxBytes() == 4; }, PROMPT));
    EXPECT_EQ(line.GetTxBuffer().Size(), 0u);
    EXPECT_EQ(window.Pending(), 0u) << "reported once only";
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), PROMPT_CLOSE_MS);
    EXPECT_FALSE(line.IsOpen());
}

} // namespace
