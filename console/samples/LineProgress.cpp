#include "console/samples/LineProgress.h"

#include <algorithm>

namespace {
constexpr double MS_PER_SECOND = 1000.0;
}

void LineProgress::Start(std::vector<size_t> commandEnds, int64_t nowMs) {
    ends_ = std::move(commandEnds);
    carried_ = 0;
    lastMs_ = nowMs;
    samples_.clear();
    samples_.push_back({nowMs, 0});
}

void LineProgress::Update(int64_t nowMs, size_t sent, uint32_t lineBytesPerSecond) {
    const int64_t elapsed = std::max<int64_t>(0, nowMs - lastMs_);
    lastMs_ = std::max(lastMs_, nowMs);
    double carried = static_cast<double>(sent);
    if (lineBytesPerSecond != 0)
        carried = std::min(carried, carried_ + static_cast<double>(lineBytesPerSecond) *
                                                   static_cast<double>(elapsed) / MS_PER_SECOND);
    // What was carried stays carried, whatever a later count says.
    carried_ = std::max(carried_, carried);
    samples_.push_back({lastMs_, carried_});
    // Keep one sample at or before the window's start, so the window is always whole.
    while (samples_.size() > 2 && samples_[1].ms <= lastMs_ - RATE_WINDOW_MS) samples_.pop_front();
}

size_t LineProgress::CommandsCarried() const {
    return static_cast<size_t>(std::upper_bound(ends_.begin(), ends_.end(), Carried()) - ends_.begin());
}

size_t LineProgress::CommandBytesCarried() const {
    const size_t n = CommandsCarried();
    return n == 0 ? 0 : ends_[n - 1];
}

double LineProgress::SecondsLeft() const {
    const Sample& first = samples_.front();
    const int64_t span = lastMs_ - first.ms;
    if (span < MIN_RATE_SPAN_MS) return -1;
    const double perSecond = (carried_ - first.carried) * MS_PER_SECOND / static_cast<double>(span);
    if (perSecond <= 0) return -1;
    return (static_cast<double>(Total()) - carried_) / perSecond;
}
