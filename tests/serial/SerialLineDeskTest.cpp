// The engine with the other option sets and the settings a desk uses: one drainer
// per line, no lock held across a port write, time-outs without overflow, modem-line
// settings, and errors that keep their cause.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <thread>

#include "PortMap.h"
#include "PtyPeer.h"
#include "TestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;

// Numbered words, "00000001 00000002 ...", so any reordering shows.
std::string NumberedWords(size_t bytes) {
    std::string text;
    char word[16];
    for (unsigned i = 0; text.size() < bytes; ++i) {
        std::snprintf(word, sizeof word, "%08u ", i);
        text += word;
    }
    text.resize(bytes);
    return text;
}

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(SerialLineDesk, PollingWatchAndWriteThreadNeverReorderOutput) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(EN_WATCH_THREAD | EN_TX_BUFFER | EN_WRITE_THREAD); // 0x29
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    const std::string text = NumberedWords(200 * 1024);
    std::thread writer([&] {
        constexpr size_t PIECE = 700;
        for (size_t off = 0; off < text.size(); off += PIECE) {
            const size_t n = std::min(PIECE, text.size() - off);
            line.Write(text.data() + off, static_cast<uint32_t>(n));
        }
    });
    // A printer slower than the engine: the line fills, so both threads would find
    // bytes waiting whenever they look.
    std::string received;
    while (received.size() < text.size()) {
        const auto some = peer.Receive(std::min<size_t>(2048, text.size() - received.size()), 2s);
        if (some.empty()) break;
        received += Text(some);
        std::this_thread::sleep_for(2ms);
    }
    writer.join();
    ASSERT_EQ(received.size(), text.size());
    EXPECT_TRUE(received == text) << "output was reordered";
}

TEST(SerialLineDesk, OverlappedWriteReturnsWhileThePortIsFull) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(EN_WATCH_THREAD | EN_OVERLAPPED_IO | EN_TX_BUFFER); // 0x0B
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_.WriteTotalTimeoutMultiplier = 0;
    line.CO_.WriteTotalTimeoutConstant = 3000;
    ASSERT_TRUE(line.SetTimeouts());
    // The peer reads nothing: every Write wakes the watch thread for one piece, until
    // the line is full and it waits in a port write.
    constexpr size_t PIECE = 1024;
    constexpr size_t PIECES = 40;
    const auto data = Pattern(PIECE * PIECES);
    int64_t slowest = 0;
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < PIECES && std::chrono::steady_clock::now() - start < 3s; ++i) {
        slowest = std::max(slowest, ElapsedMs([&] {
                               EXPECT_EQ(line.Write(data.data() + i * PIECE, PIECE), 0);
                           }));
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_LT(slowest, 500) << "Write waited for the port";
    EXPECT_EQ(peer.Receive(data.size(), 20s), data);
}

TEST(SerialLineDesk, HugeTimeoutMultipliersDoNotEndTransfersAtOnce) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = COMMTIMEOUTS{0, MAXDWORD_VALUE, 0, MAXDWORD_VALUE, 0};
    ASSERT_TRUE(line.SetTimeouts());
    constexpr uint32_t LENGTH = 4096;
    const auto data = Pattern(LENGTH);
    std::thread sender([&] {
        std::this_thread::sleep_for(100ms);
        peer.Send(data.data(), data.size());
    });
    std::vector<uint8_t> buffer(LENGTH);
    EXPECT_EQ(line.RawRead(buffer.data(), LENGTH), LENGTH);
    sender.join();
    EXPECT_EQ(buffer, data);
    // The same for a write longer than the line holds, read slowly.
    const auto big = Pattern(96 * 1024);
    std::vector<uint8_t> got;
    std::thread reader([&] {
        std::this_thread::sleep_for(200ms);
        got = peer.Receive(big.size(), 10s);
    });
    EXPECT_EQ(line.RawWrite(big.data(), static_cast<uint32_t>(big.size())), big.size());
    reader.join();
    EXPECT_EQ(got, big);
}

TEST(SerialLineDesk, OpeningAnOpenLineAgainReopensIt) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    QueueWindow window;
    TestLine line(EN_CONSOLE_OPTIONS);
    line.SetNotifyWindow(&window);
    line.SetNotifyCount(1);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    // Keep the threads notifying while the port number is set again.
    std::atomic<bool> stop{false};
    std::thread chatter([&] {
        while (!stop) {
            peer.Send("r");
            std::this_thread::sleep_for(1ms);
        }
    });
    // Slept, not waited on the window: taking the window's lock would order the
    // threads' reads before the reopen and hide a race from the thread checker.
    std::this_thread::sleep_for(100ms);
    DiagnosticsCapture diagnostics;
    EXPECT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    stop = true;
    chatter.join();
    EXPECT_TRUE(diagnostics.Contains("CN_ASSERT(!IsOpen()) failed; CSerialLine(1737); "));
    EXPECT_TRUE(line.IsOpen());
    EXPECT_TRUE(line.IsRunning());
    line.Write("after");
    EXPECT_EQ(Text(peer.Receive(5, 2s)), "after");
}

TEST(SerialLineDesk, DtrAndRtsSettingsAreKeptAndReadBack) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.DCB_.fDtrControl = DTR_CONTROL_DISABLE;
    line.DCB_.fRtsControl = RTS_CONTROL_DISABLE;
    ASSERT_TRUE(line.SetState());
    DCB actual{};
    ASSERT_TRUE(line.ReadState(&actual));
    EXPECT_EQ(actual.fDtrControl, DTR_CONTROL_DISABLE);
    EXPECT_EQ(actual.fRtsControl, RTS_CONTROL_DISABLE);
    line.DCB_.fDtrControl = DTR_CONTROL_ENABLE;
    line.DCB_.fOutxCtsFlow = 1;
    line.DCB_.fRtsControl = RTS_CONTROL_HANDSHAKE;
    ASSERT_TRUE(line.SetState());
    ASSERT_TRUE(line.ReadState(&actual));
    EXPECT_EQ(actual.fDtrControl, DTR_CONTROL_ENABLE);
    EXPECT_EQ(actual.fRtsControl, RTS_CONTROL_HANDSHAKE);
    // A read-modify-apply round keeps the settings.
    ASSERT_TRUE(line.SetState(9600, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(line.DCB_.fDtrControl, DTR_CONTROL_ENABLE);
    EXPECT_EQ(line.DCB_.fRtsControl, RTS_CONTROL_HANDSHAKE);
}

TEST(SerialLineDesk, RtsCtsOnALineWithoutModemLinesStillSends) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(EN_CONSOLE_OPTIONS);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.DCB_.fOutxCtsFlow = 1;
    line.DCB_.fRtsControl = RTS_CONTROL_HANDSHAKE;
    ASSERT_TRUE(line.SetState());
    EXPECT_TRUE(line.IsCtsOn()) << "no CTS line counts as on";
    line.Write("\x1b@receipt");
    EXPECT_EQ(Text(peer.Receive(9, 3s)), "\x1b@receipt");
}

TEST(SerialLineDesk, FailedOpensKeepTheSystemError) {
    DiagnosticsCapture diagnostics;
    PortMap map;
    const uint32_t missing = map.AddCommandLinePort("/dev/no-such-serial-device");
    TestLine line(EN_CONSOLE_OPTIONS);
    line.SetPortMap(&map);
    EXPECT_FALSE(line.Open(missing, BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(line.LastSystemError(), ENOENT);
    EXPECT_TRUE(diagnostics.Contains("CN_ASSERT(OpenPort()) failed; CSerialLine(380); "
                                     "error 2 (No such file or directory)"));

    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine owner(0);
    ASSERT_TRUE(owner.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    TestLine second(0);
    EXPECT_FALSE(second.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(second.LastSystemError(), EBUSY);
    // A later success does not leave the old cause behind.
    owner.Close();
    EXPECT_TRUE(second.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    EXPECT_EQ(second.LastSystemError(), 0);
}

} // namespace
