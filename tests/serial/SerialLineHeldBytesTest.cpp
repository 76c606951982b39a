// What the engine still holds of what was written: the transmit buffer and the piece
// the write thread has taken out of it but not yet handed to the device. A progress
// display counts a byte as sent only when it is in neither.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "tests/support/PrinterPeer.h"
#include "tests/support/SerialTestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;
constexpr uint32_t STOP_WAIT_MS = 500;
// More than a pseudo-terminal's own buffer takes, so the write thread is left holding
// a piece it cannot finish.
constexpr size_t STALLED_BYTES = 256 * 1024;
constexpr size_t SHORT_BYTES = 3000;
constexpr auto STILL_FOR = 300ms;

void OpenLikeConsole(TestLine& line, PrinterPeer& peer) {
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = {10, 0, 100, 0, 65535};
    ASSERT_TRUE(line.SetTimeouts());
}

// The held count once it has not changed for STILL_FOR.
uint64_t SettledHeld(TestLine& line) {
    uint64_t held = line.HeldTxBytes();
    auto since = std::chrono::steady_clock::now();
    const auto limit = since + 10s;
    while (std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(20ms);
        const uint64_t now = line.HeldTxBytes();
        if (now != held) {
            held = now;
            since = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - since >= STILL_FOR) {
            break;
        }
    }
    return held;
}

TEST(SerialLineHeldBytes, CountsThePieceTheWriteThreadHoldsUntilItHasLeft) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    peer.Pause(true); // the printer stops reading
    TestLine line(0);
    OpenLikeConsole(line, peer);
    const std::vector<uint8_t> data = Pattern(STALLED_BYTES);
    line.Write(data.data(), static_cast<uint32_t>(data.size())); // queued for the write thread
    const uint64_t held = SettledHeld(line);
    // The write thread is stuck inside a piece: the buffer alone says too little.
    EXPECT_GT(held, uint64_t{line.GetTxBuffer().Size()});

    // Stopping the threads drops the rest of that piece and leaves the buffer as it is;
    // whatever the printer then reads is exactly what had left the console.
    ASSERT_TRUE(line.StopThreads(STOP_WAIT_MS));
    line.GetTxBuffer().Clear(true);
    EXPECT_EQ(line.HeldTxBytes(), 0u);
    peer.Pause(false);
    const std::vector<uint8_t> arrived = peer.BytesAfterQuiet();
    ASSERT_LT(arrived.size(), data.size());
    EXPECT_EQ(held, data.size() - arrived.size());
    EXPECT_TRUE(std::equal(arrived.begin(), arrived.end(), data.begin()));

    // A line that takes everything holds nothing once the printer has it all.
    peer.Forget();
    ASSERT_TRUE(line.BeginThread());
    const std::vector<uint8_t> more = Pattern(SHORT_BYTES);
    line.Write(more.data(), static_cast<uint32_t>(more.size()));
    EXPECT_EQ(peer.WaitBytes(SHORT_BYTES), more);
    EXPECT_TRUE(WaitUntil([&] { return line.HeldTxBytes() == 0; }, 2s));
}

} // namespace

namespace {

// On a slow line the write thread takes short pieces (about a tenth of a second of the
// line), so what it holds beyond the transmit buffer, which nothing can take back once
// begun, is short; a fast line keeps the full piece its throughput wants.
uint64_t InFlightWhenStalled(uint32_t baud) {
    PrinterPeer peer;
    EXPECT_TRUE(peer.Ok());
    peer.Pause(true);
    TestLine line(0);
    line.ChangeOptions(EN_WATCH_THREAD | EN_OVERLAPPED_IO, EN_CONSOLE_OPTIONS);
    EXPECT_TRUE(line.Open(peer.Port(), baud, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = {10, 0, 100, 0, 65535};
    EXPECT_TRUE(line.SetTimeouts());
    const std::vector<uint8_t> data = Pattern(STALLED_BYTES);
    line.Write(data.data(), static_cast<uint32_t>(data.size()));
    const uint64_t held = SettledHeld(line);
    const uint64_t inFlight = held - uint64_t{line.GetTxBuffer().Size()};
    line.Close(STOP_WAIT_MS);
    return inFlight;
}

TEST(SerialLineHeldBytes, ASlowLineHoldsAShortPieceInFlight) {
    constexpr uint32_t SLOW_BAUD = 9600;
    constexpr uint64_t TENTH_OF_A_SECOND = SLOW_BAUD / 10 / 10; // 8N1: ten bits a byte
    const uint64_t slow = InFlightWhenStalled(SLOW_BAUD);
    EXPECT_GT(slow, 0u);
    EXPECT_LE(slow, TENTH_OF_A_SECOND);
    EXPECT_GT(InFlightWhenStalled(BAUD), TENTH_OF_A_SECOND);
}

} // namespace
