#pragma once
// How far a series of whole commands has got on a line, for a progress bar and a time
// left that an operator can trust.
//
// The count the console has ("sent": neither held by the engine nor in the device's
// queue) runs ahead of the line where the device takes bytes without saying so: a
// pseudo-terminal's own buffer swallows some 18 KiB at once, so the count leaps and then
// stands still while the printer reads. A line with a known rate carries no more than
// that rate, so what it has carried is the count held back to that pace; a transport
// without line settings (0) has only the count.
//
// The bar moves per command that has wholly been carried; the time left is the rest
// at the rate carried over the last RATE_WINDOW_MS, so a burst or a pause of the device
// moves it only as much as it moves that average.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

class LineProgress {
public:
    // Over this much of the latest past the rate is averaged.
    static constexpr int64_t RATE_WINDOW_MS = 3000;
    // Below this much of history the time left is not said.
    static constexpr int64_t MIN_RATE_SPAN_MS = 500;

    // A new series: `commandEnds` are the running totals of the commands' lengths.
    void Start(std::vector<size_t> commandEnds, int64_t nowMs);
    // The console's count at `nowMs`, on a line carrying `lineBytesPerSecond` (0: unknown).
    void Update(int64_t nowMs, size_t sent, uint32_t lineBytesPerSecond);

    size_t Total() const { return ends_.empty() ? 0 : ends_.back(); }
    // What the line has carried, as far as can be told; never more than the count.
    size_t Carried() const { return static_cast<size_t>(carried_); }
    // Commands wholly carried, and the bytes they make: what the bar shows.
    size_t CommandsCarried() const;
    size_t CommandBytesCarried() const;
    // At the rate of the last few seconds; negative while unknown (too little history,
    // or a line that carried nothing in the window).
    double SecondsLeft() const;

private:
    struct Sample {
        int64_t ms;
        double carried;
    };
    std::vector<size_t> ends_;
    std::deque<Sample> samples_; // the window, oldest first
    double carried_ = 0;
    int64_t lastMs_ = 0;
};
