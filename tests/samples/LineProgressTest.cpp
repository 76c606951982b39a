// What a paced series has got through a line, from the console's count and the line's
// rate: a count that leaps (a device buffer swallowing KiB at once) moves the bar and
// the time left only as fast as the line can carry; a line without a rate is taken at
// its count.
#include "console/samples/LineProgress.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t RATE = 1000; // bytes a second
constexpr size_t COMMAND = 500;

std::vector<size_t> Ends(size_t commands) {
    std::vector<size_t> ends;
    for (size_t i = 1; i <= commands; ++i) ends.push_back(i * COMMAND);
    return ends;
}

TEST(LineProgress, ALeapingCountIsHeldToWhatTheLineCanCarry) {
    LineProgress p;
    p.Start(Ends(20), 0);
    // The device takes eight commands at once; a second later the line has carried one
    // second's worth, and the bar shows the two commands within it, whole.
    p.Update(10, 8 * COMMAND, RATE);
    EXPECT_EQ(p.Carried(), 10u);
    p.Update(1000, 8 * COMMAND, RATE);
    EXPECT_EQ(p.Carried(), 1000u);
    EXPECT_EQ(p.CommandsCarried(), 2u);
    EXPECT_EQ(p.CommandBytesCarried(), 2 * COMMAND);
    p.Update(1400, 8 * COMMAND, RATE);
    EXPECT_EQ(p.CommandBytesCarried(), 2 * COMMAND); // 1400: the third is not whole yet
    // A count behind the line's pace (the printer holds back) is taken as it is, and
    // nothing carried is taken back by a lower count.
    p.Update(5000, 3 * COMMAND, RATE);
    EXPECT_EQ(p.Carried(), 3 * COMMAND);
    p.Update(5100, 2 * COMMAND, RATE);
    EXPECT_EQ(p.Carried(), 3 * COMMAND);
}

TEST(LineProgress, WithoutARateTheCountIsWhatWasCarried) {
    LineProgress p;
    p.Start(Ends(4), 0);
    p.Update(1, 3 * COMMAND + 1, 0);
    EXPECT_EQ(p.Carried(), 3 * COMMAND + 1);
    EXPECT_EQ(p.CommandsCarried(), 3u);
    EXPECT_LT(p.SecondsLeft(), 0); // too little history to say
}

// The time left is the rest at the rate of the last RATE_WINDOW_MS: a line that carried
// at one pace and then at half of it says the half-pace time once the window has moved
// past the change, and a line that carried nothing for the whole window says nothing.
TEST(LineProgress, TheTimeLeftFollowsTheRateOfTheLastSeconds) {
    LineProgress p;
    p.Start(Ends(100), 0); // 50,000 bytes
    int64_t ms = 0;
    size_t count = 0;
    for (; ms <= 10000; ms += 100) p.Update(ms, count = static_cast<size_t>(ms), 0);
    EXPECT_NEAR(p.SecondsLeft(), (50000.0 - 10000) / RATE, 0.01);
    for (; ms <= 20000; ms += 100) p.Update(ms, count += 50, 0);
    EXPECT_NEAR(p.SecondsLeft(), (50000.0 - static_cast<double>(count)) / (RATE / 2), 0.01);
    for (int64_t still = ms + LineProgress::RATE_WINDOW_MS; ms <= still; ms += 100) p.Update(ms, count, 0);
    EXPECT_LT(p.SecondsLeft(), 0);
}

} // namespace
