// What only a scripted line can show: CTS held off, line errors, a device that stops
// taking bytes, and the modem-line notifications.
#include <gtest/gtest.h>

#include <thread>

#include "tests/support/ScriptedLine.h"

namespace {

constexpr uint32_t BAUD = 9600;
constexpr uint32_t PORT = 7;

void OpenConsoleStyle(ScriptedTestLine& line) {
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    line.SetNotifyCount(1);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 65535};
    ASSERT_TRUE(line.SetTimeouts());
}

TEST(ScriptedLine, CtsHeldOffKeepsOutputQueuedUntilItComesOn) {
    ScriptedTestLine line(0);
    line.script->SetCts(false);
    OpenConsoleStyle(line);
    line.DCB_.fOutxCtsFlow = 1;
    line.DCB_.fRtsControl = RTS_CONTROL_HANDSHAKE;
    ASSERT_TRUE(line.SetState());
    const auto data = Pattern(3000);
    line.Write(data.data(), static_cast<uint32_t>(data.size()));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(line.GetTxBuffer().Size(), 3000u) << "nothing leaves while CTS is off";
    EXPECT_TRUE(line.script->Wire().empty());
    line.script->SetCts(true);
    ASSERT_TRUE(WaitUntil([&] { return line.script->Wire().size() == data.size(); }, 3s));
    EXPECT_EQ(line.script->Wire(), data);
    EXPECT_EQ(line.GetTxBuffer().Size(), 0u);
}

TEST(ScriptedLine, LineErrorPurgesThatDirectionAndTheCallGoesOn) {
    ScriptedTestLine line(0);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    const size_t setupPurges = line.script->Purges().size();
    line.script->RaiseLineErrors(CE_FRAME);
    EXPECT_EQ(line.RawWrite("abc", 3), 3u);
    EXPECT_EQ(line.script->Wire(), (std::vector<uint8_t>{'a', 'b', 'c'}));
    auto purges = line.script->Purges();
    ASSERT_EQ(purges.size(), setupPurges + 1);
    EXPECT_EQ(purges.back(), PURGE_TXABORT);

    line.script->RaiseLineErrors(CE_RXPARITY | CE_OVERRUN);
    line.script->Feed("xy");
    char buffer[2];
    EXPECT_EQ(line.RawRead(buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "xy");
    purges = line.script->Purges();
    ASSERT_EQ(purges.size(), setupPurges + 2);
    EXPECT_EQ(purges.back(), PURGE_RXABORT);
    // Without an error nothing is purged.
    EXPECT_EQ(line.RawWrite("d", 1), 1u);
    EXPECT_EQ(line.script->Purges().size(), setupPurges + 2);
}

TEST(ScriptedLine, StalledDeviceStillLetsTheThreadsStop) {
    ScriptedTestLine line(0);
    OpenConsoleStyle(line);
    line.script->SetTakingBytes(false);
    const auto data = Pattern(5000);
    line.Write(data.data(), static_cast<uint32_t>(data.size()));
    // The write thread has taken a chunk and is stuck in the port write.
    ASSERT_TRUE(WaitUntil([&] { return line.GetTxBuffer().Size() < 5000; }, 2s));
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(line.script->Wire().empty());
    const int64_t stop = ElapsedMs([&] { EXPECT_TRUE(line.StopThreads(500)); });
    EXPECT_LT(stop, 1000);
    EXPECT_FALSE(line.IsRunning());
    // Restarted, the line delivers what is still queued once the device takes bytes.
    // What is queued is taken while the threads are stopped, and the line is done when
    // the device has it all: an empty queue may still have a chunk on its way.
    const size_t queued = line.GetTxBuffer().Size();
    line.script->SetTakingBytes(true);
    ASSERT_TRUE(line.BeginThread());
    WaitUntil([&] { return line.GetTxBuffer().Size() == 0 && line.script->Wire().size() >= queued; }, 3s);
    const auto wire = line.script->Wire();
    ASSERT_EQ(wire.size(), queued);
    EXPECT_TRUE(std::equal(wire.begin(), wire.end(), data.end() - static_cast<long>(queued)));
}

TEST(ScriptedLine, FlushOnCloseGivesUpAfterTheWriteTimeout) {
    ScriptedTestLine line(EN_FLUSH_ON_CLOSE);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_.WriteTotalTimeoutMultiplier = 0;
    line.CO_.WriteTotalTimeoutConstant = 300;
    ASSERT_TRUE(line.SetTimeouts());
    line.script->SetCts(false);
    EXPECT_EQ(line.RawWrite("held", 4), 4u) << "the driver takes the bytes";
    EXPECT_EQ(line.QueuedBytes(false), 4u);
    const int64_t close = ElapsedMs([&] { line.Close(500); });
    EXPECT_GE(close, 250);
    EXPECT_LT(close, 1500);
    EXPECT_FALSE(line.IsOpen());
}

// With no write time-out at all the flush still gives up (after about 10 s), so a
// printer that holds CTS off for ever cannot hang Close.
TEST(ScriptedLine, FlushOnCloseWithoutWriteTimeoutStillEnds) {
    ScriptedTestLine line(EN_FLUSH_ON_CLOSE);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_.WriteTotalTimeoutMultiplier = 0;
    line.CO_.WriteTotalTimeoutConstant = 0;
    ASSERT_TRUE(line.SetTimeouts());
    line.script->SetCts(false);
    EXPECT_EQ(line.RawWrite("held", 4), 4u);
    const int64_t close = ElapsedMs([&] { line.Close(500); });
    EXPECT_GE(close, 9000);
    EXPECT_LT(close, 20000);
    EXPECT_FALSE(line.IsOpen());
}

TEST(ScriptedLine, FlushOnCloseWaitsForTheQueueToEmpty) {
    ScriptedTestLine line(EN_DRAIN_ON_CLOSE);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.script->SetCts(false);
    line.RawWrite("late", 4);
    std::thread release([&] {
        std::this_thread::sleep_for(100ms);
        line.script->SetCts(true);
    });
    line.Close(500);
    release.join();
    EXPECT_EQ(line.script->Wire(), (std::vector<uint8_t>{'l', 'a', 't', 'e'}));
}

// The piece the write thread has already taken out of the buffer is still queued
// output: a drain on close waits for it, not just for the empty buffer. (A device
// that stalls on cue is what makes this repeatable.)
TEST(ScriptedLine, DrainOnCloseWaitsForThePieceInFlight) {
    ScriptedTestLine line(EN_DRAIN_ON_CLOSE);
    OpenConsoleStyle(line);
    line.script->SetTakingBytes(false);
    const auto data = Pattern(1000);
    line.Write(data.data(), static_cast<uint32_t>(data.size()));
    // The write thread has taken its piece (on a slow line a piece of about 100 ms of
    // it; the rest waits in the queue, which the drain waits for as well).
    ASSERT_TRUE(WaitUntil([&] { return line.GetTxBuffer().Size() < data.size(); }, 2s));
    std::thread release([&] {
        std::this_thread::sleep_for(300ms);
        line.script->SetTakingBytes(true);
    });
    line.Close(2000);
    release.join();
    EXPECT_EQ(line.script->Wire(), data);
}

// Every comm event reaches the owner as its own message, with the line state as lParam.
TEST(ScriptedLine, EventsAreDispatchedAsTheirNotifications) {
    struct Case {
        uint32_t event;
        uint32_t modem;
        uint32_t message;
        intptr_t lParam;
    };
    const Case cases[] = {
        {EV_CTS, MS_CTS_ON, CN_MSG_CTS, 1},    {EV_CTS, 0, CN_MSG_CTS, 0},
        {EV_DSR, MS_DSR_ON, CN_MSG_DSR, 1},    {EV_DSR, 0, CN_MSG_DSR, 0},
        {EV_RING, MS_RING_ON, CN_MSG_RING, 1}, {EV_RLSD, MS_RLSD_ON, CN_MSG_RLSD, 1},
        {EV_RLSD, 0, CN_MSG_RLSD, 0},          {EV_BREAK, 0, CN_MSG_BREAK, 0},
        {EV_RXFLAG, 0, CN_MSG_RXFLAG, 0},      {EV_TXEMPTY, 0, CN_MSG_TXEMPTY, 0},
        {EV_ERR, 0, CN_MSG_ERROR, CE_FRAME},
    };
    QueueWindow window;
    ScriptedTestLine line(0);
    line.SetNotifyWindow(&window);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        line.script->SetModemStatus(c.modem);
        line.script->RaiseLineErrors(CE_FRAME);
        line.DispatchEvents(c.event);
        line.LineErrors(); // clear what the case did not use
        const auto messages = window.Drain();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].message, c.message);
        EXPECT_EQ(messages[0].wParam, PORT);
        EXPECT_EQ(messages[0].lParam, c.lParam);
    }
    // The carrier notification has a number of its own.
    for (uint32_t other : {CN_MSG_RECEIVE, CN_MSG_CTS, CN_MSG_DSR, CN_MSG_RING, CN_MSG_BREAK,
                           CN_MSG_TXEMPTY, CN_MSG_ERROR, CN_MSG_RXFLAG, CN_MSG_POWER, CN_MSG_EVENT1,
                           CN_MSG_EVENT2, CN_MSG_RX80FULL, CN_MSG_PRINTERR})
        EXPECT_NE(CN_MSG_RLSD, other);
}

TEST(ScriptedLine, NotificationsToAVanishedWindowAreDropped) {
    ScriptedTestLine line(0);
    {
        QueueWindow window;
        line.SetNotifyWindow(&window);
    }
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.OnRxData(); // must not reach the destroyed window
    DiagnosticsCapture diagnostics;
    line.SetNotifyWindow(nullptr);
    EXPECT_TRUE(diagnostics.Contains("CN_ASSERT(::IsWindow(hWnd)) failed; CSerialLine(297); "));
}

TEST(ScriptedLine, OptionsChangeWhileOpenIsReportedButDone) {
    DiagnosticsCapture diagnostics;
    ScriptedTestLine line(EN_WATCH_THREAD | EN_OVERLAPPED_IO);
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    EXPECT_EQ(line.GetOptions(), 0x3Cu);
    EXPECT_TRUE(diagnostics.Messages().empty());
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.SetOptions(0x3C | EN_HIGH_PRIORITY);
    EXPECT_EQ(line.GetOptions(), 0x3Cu | EN_HIGH_PRIORITY);
    EXPECT_TRUE(diagnostics.Contains("CN_ASSERT(!IsOpen()) failed; CSerialLine(257); "));
}

TEST(ScriptedLine, SuspendedThreadsRunOnlyWhenResumed) {
    ScriptedTestLine line(EN_CONSOLE_OPTIONS | EN_START_SUSPENDED);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    line.Write("wait", 4);
    std::this_thread::sleep_for(150ms);
    EXPECT_TRUE(line.script->Wire().empty());
    line.ResumeThreads();
    ASSERT_TRUE(WaitUntil([&] { return line.script->Wire().size() == 4; }, 2s));
    // Suspended threads that were never resumed still stop.
    line.Close(500);
    ASSERT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_LT(ElapsedMs([&] { line.Close(500); }), 1500);
}

} // namespace
