#pragma once
// Lets units (bytes on the line, dot rows of paper) through no faster than a rate:
// credit grows with time up to a small burst and is spent by what passes.
#include <algorithm>
#include <chrono>
#include <cstdint>

namespace vprinter {

class RatePacer {
public:
    using Clock = std::chrono::steady_clock;

    // unitsPerSecond 0: no limit. The burst is what may pass at once after a pause.
    RatePacer(double unitsPerSecond = 0, double burst = 0)
        : rate_(unitsPerSecond), burst_(std::max(burst, 1.0)), credit_(burst_), last_(Clock::now()) {}

    bool Limited() const { return rate_ > 0; }

    // Units that may pass now.
    int64_t Allowance(Clock::time_point now) {
        if (!Limited()) return INT64_MAX;
        Refill(now);
        return credit_ >= 1 ? static_cast<int64_t>(credit_) : 0;
    }
    // Spends credit; more than there is leaves a debt that time pays first.
    void Spend(int64_t units, Clock::time_point now) {
        if (!Limited()) return;
        Refill(now);
        credit_ -= static_cast<double>(units);
    }
    // Milliseconds until at least one unit may pass; 0 when it may now.
    int WaitMs(Clock::time_point now) {
        if (!Limited()) return 0;
        Refill(now);
        if (credit_ >= 1) return 0;
        return std::max(1, static_cast<int>((1 - credit_) * 1000.0 / rate_ + 0.999));
    }

private:
    void Refill(Clock::time_point now) {
        const double seconds = std::chrono::duration<double>(now - last_).count();
        last_ = now;
        credit_ = std::min(burst_, credit_ + seconds * rate_);
    }

    double rate_;
    double burst_;
    double credit_;
    Clock::time_point last_;
};

} // namespace vprinter
