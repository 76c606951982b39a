// The UART's error counters as line errors and comm events.
#include <gtest/gtest.h>

#include "serial/LineCounters.h"
#include "serial/SerialTypes.h"

namespace {

TEST(LineCounters, CountsAlreadyNonZeroAtOpenAreNeitherErrorsNorEvents) {
    LineCounters counters;
    LineCounts atOpen;
    atOpen.brk = 3;
    atOpen.frame = 12;
    atOpen.overrun = 1;
    counters.Seed(atOpen);
    EXPECT_EQ(counters.TakeEvents(atOpen), 0u) << "no spurious break or line error";
    EXPECT_EQ(counters.TakeErrors(atOpen), 0u);
}

TEST(LineCounters, EachChangeIsReportedOnceToEachReader) {
    LineCounters counters;
    LineCounts now;
    counters.Seed(now);
    now.parity = 1;
    now.brk = 1;
    EXPECT_EQ(counters.TakeEvents(now), EV_ERR | EV_BREAK);
    EXPECT_EQ(counters.TakeEvents(now), 0u);
    // The error query sees the same change, independently of the event wait.
    EXPECT_EQ(counters.TakeErrors(now), CE_RXPARITY | CE_BREAK);
    EXPECT_EQ(counters.TakeErrors(now), 0u);
    now.bufOverrun = 2;
    now.frame = 5;
    EXPECT_EQ(counters.TakeErrors(now), CE_RXOVER | CE_FRAME);
    EXPECT_EQ(counters.TakeEvents(now), EV_ERR);
}

} // namespace
