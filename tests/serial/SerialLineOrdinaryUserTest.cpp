// Opening a port as a desk user does: the second program (serial_probe) drops to an
// ordinary account before it opens the pseudo-terminal, so root's exemption from the
// exclusive-open flag cannot hide a fault.
#include <gtest/gtest.h>

#include "PtyPeer.h"
#include "ProbeSupport.h"
#include "TestSupport.h"

namespace {

constexpr uint32_t BAUD = 115200;
constexpr int EXIT_REFUSED = 3;

TEST(SerialLineOrdinaryUser, OpenCloseAndOpenAgainWorks) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    ASSERT_TRUE(GiveToOrdinaryUser(peer.SlavePath()));
    const ProbeResult first = RunProbe("reopen", peer.SlavePath());
    EXPECT_EQ(first.exitCode, 0) << first.errors;
    // And once more: what the first program left behind must not lock out the next.
    const ProbeResult again = RunProbe("reopen", peer.SlavePath());
    EXPECT_EQ(again.exitCode, 0) << again.errors;
}

TEST(SerialLineOrdinaryUser, SecondProgramIsRefusedOnlyWhileThePortIsOpen) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    ASSERT_TRUE(GiveToOrdinaryUser(peer.SlavePath()));
    TestLine owner(EN_CONSOLE_OPTIONS);
    ASSERT_TRUE(owner.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
    const ProbeResult whileOpen = RunProbe("open", peer.SlavePath());
    EXPECT_EQ(whileOpen.exitCode, EXIT_REFUSED) << whileOpen.errors;
    owner.Close();
    const ProbeResult afterClose = RunProbe("open", peer.SlavePath());
    EXPECT_EQ(afterClose.exitCode, 0) << afterClose.errors;
    // The owner can have it back after the other program let go.
    EXPECT_TRUE(owner.Open(peer.Port(), BAUD, NOPARITY, 8, ONESTOPBIT));
}

TEST(SerialLineOrdinaryUser, ThreadsThatCannotBeMadeFailTheOpenAndCloseThePort) {
    PtyPeer peer;
    ASSERT_TRUE(peer.Ok());
    ASSERT_TRUE(GiveToOrdinaryUser(peer.SlavePath()));
    const ProbeResult result = RunProbe("nothreads", peer.SlavePath());
    EXPECT_EQ(result.exitCode, 0) << "Open must return false, not throw: " << result.errors;
    // The port was closed again: another program can open it.
    const ProbeResult next = RunProbe("open", peer.SlavePath());
    EXPECT_EQ(next.exitCode, 0) << next.errors;
}

} // namespace
