// Closing never throws away bytes already handed to the device: a UART's output
// queue is let out (within the close budget) before the purge, a pseudo-terminal's
// unread bytes are never flushed, and what could not leave is counted.
#include <gtest/gtest.h>

#include <thread>

#include "tests/support/PrinterPeer.h"
#include "tests/support/ScriptedLine.h"
#include "tests/support/SerialTestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;
constexpr uint32_t PORT = 7;
// The output the tests hand to the device: less than a driver queue, so one write
// takes it all.
constexpr size_t HANDED = 1000;
// A UART held off by CTS lets its queue go after this long.
constexpr auto HELD = 300ms;

// A direct-mode line on the scripted UART (no threads, no buffers): what RawWrite
// hands over sits in the driver's queue while CTS is off.
struct HeldUart {
    HeldUart() {
        EXPECT_TRUE(line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
        line.script->SetCts(false);
        const auto data = Pattern(HANDED);
        EXPECT_EQ(line.RawWrite(data.data(), static_cast<uint32_t>(data.size())), HANDED);
        EXPECT_EQ(line.script->DriverQueued(), HANDED);
    }
    ScriptedTestLine line{0};
};

TEST(CloseDelivery, AUartQueueLeavesBeforeThePurge) {
    HeldUart uart;
    std::thread printer([&] {
        std::this_thread::sleep_for(HELD);
        uart.line.script->SetCts(true);
    });
    const int64_t took = ElapsedMs([&] { uart.line.Close(); });
    printer.join();
    EXPECT_EQ(uart.line.script->Wire(), Pattern(HANDED)) << "the close purged queued bytes";
    EXPECT_EQ(uart.line.UndeliveredAtClose(), 0u);
    EXPECT_GE(took, 250);
    // The purge still comes, after the wait: the next open starts clean.
    ASSERT_FALSE(uart.line.script->Purges().empty());
    EXPECT_EQ(uart.line.script->Purges().back(), PURGE_ALL);
}

TEST(CloseDelivery, WhatCannotLeaveInTheBudgetIsCountedAndTheCloseStaysBounded) {
    HeldUart uart;
    const int64_t took = ElapsedMs([&] { uart.line.Close(); });
    EXPECT_EQ(uart.line.UndeliveredAtClose(), HANDED);
    EXPECT_TRUE(uart.line.script->Wire().empty());
    EXPECT_EQ(uart.line.script->DriverQueued(), 0u) << "purged once the budget ran out";
    EXPECT_LT(took, 6000);
    EXPECT_FALSE(uart.line.IsOpen());
    // The next close that delivers everything says so.
    ASSERT_TRUE(uart.line.Open(PORT, BAUD, NOPARITY, 8, ONESTOPBIT));
    uart.line.Close();
    EXPECT_EQ(uart.line.UndeliveredAtClose(), 0u);
}

TEST(CloseDelivery, AFailedQueueQueryNeverCountsAsEmpty) {
    HeldUart uart;
    uart.line.script->FailOutputQuery(true);
    EXPECT_LT(ElapsedMs([&] { uart.line.Close(); }), 6000);
    EXPECT_EQ(uart.line.UndeliveredAtClose(), CN_QUERY_FAILED);
}

TEST(CloseDelivery, APseudoTerminalKeepsWhatItsPrinterHasNotReadYet) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    peer.Pause(true);
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    // More than the terminal passes on to its other end at once (4 KiB): the rest
    // waits in the terminal, where a flush would drop it. Well under what a terminal
    // takes while nobody reads (about 13 KB, less on a busy machine).
    const auto data = Pattern(7 * HANDED);
    ASSERT_EQ(line.RawWrite(data.data(), static_cast<uint32_t>(data.size())), data.size());
    EXPECT_LT(ElapsedMs([&] { line.Close(); }), 1000) << "nothing to wait for on a terminal";
    EXPECT_EQ(line.UndeliveredAtClose(), 0u);
    peer.Pause(false);
    EXPECT_EQ(peer.WaitBytes(data.size(), 5s), data) << "the close flushed unread bytes";
}

} // namespace
