#include "console/samples/PacedSender.h"

#include "host/CommandHost.h"
#include "printer/VrnxLib.h"

#include <algorithm>

namespace {
// The buffers must stay empty this long before the last byte counts as gone: a chunk the
// write thread has taken but not yet written is in neither count, and the thread
// retries a write the device refused after its 50 ms poll.
constexpr qint64 QUIET_MS_TO_FINISH = 80;
constexpr double MS_PER_SECOND = 1000.0;
} // namespace

PacedSender::PacedSender(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {
    timer_.setInterval(POLL_MS);
    connect(&timer_, &QTimer::timeout, this, &PacedSender::Tick);
}

bool PacedSender::Start(std::vector<Step> steps) {
    if (busy_) return false;
    steps_ = std::move(steps);
    stepEnds_.clear();
    size_t total = 0;
    int rows = 0;
    for (const Step& s : steps_) {
        total += s.bytes;
        rows += s.rows;
        stepEnds_.push_back(total);
    }
    state_ = State{};
    state_.totalBytes = total;
    state_.totalRows = rows;
    state_.totalSteps = static_cast<int>(steps_.size());
    next_ = 0;
    handed_ = 0;
    quietSince_ = -1;
    cancelling_ = false;
    busy_ = true;
    clock_.start();
    timer_.start();
    Tick();
    return true;
}

void PacedSender::Cancel() {
    if (busy_) cancelling_ = true;
}

size_t PacedSender::BytesLeft() {
    CVRNX_LIB& line = host_.Printer();
    size_t left = line.GetTxBuffer().Size();
    const uint32_t queued = line.IsOpen() ? line.QueuedBytes(false) : 0;
    if (queued != CN_QUERY_FAILED) left += queued;
    return std::min(left, handed_);
}

void PacedSender::Tick() {
    if (!busy_) return;
    CVRNX_LIB& line = host_.Printer();
    if (!line.IsOpen()) { // closed or gone: what was not handed over stays unsent
        cancelling_ = true;
        Finish();
        return;
    }
    size_t left = BytesLeft();
    // Keep the line busy with about one command in hand: the next goes when less than
    // the one before is still waiting.
    while (!cancelling_ && next_ < steps_.size() &&
           (next_ == 0 || left < steps_[next_ - 1].bytes)) {
        steps_[next_].send();
        handed_ += steps_[next_].bytes;
        ++next_;
        left = BytesLeft();
    }
    const size_t sent = handed_ - left;
    state_.sentBytes = sent;
    state_.sentSteps = 0;
    state_.sentRows = 0;
    for (size_t i = 0; i < next_ && stepEnds_[i] <= sent; ++i) {
        ++state_.sentSteps;
        state_.sentRows += steps_[i].rows;
    }
    const double seconds = static_cast<double>(clock_.elapsed()) / MS_PER_SECOND;
    state_.secondsLeft = sent > 0 && seconds > 0
                             ? static_cast<double>(state_.totalBytes - sent) * seconds /
                                   static_cast<double>(sent)
                             : -1;
    const bool allHanded = cancelling_ || next_ == steps_.size();
    if (!allHanded || left != 0)
        quietSince_ = -1;
    else if (quietSince_ < 0)
        quietSince_ = clock_.elapsed();
    if (quietSince_ >= 0 && clock_.elapsed() - quietSince_ >= QUIET_MS_TO_FINISH) {
        Finish();
        return;
    }
    // Never 100 % before the last byte has gone.
    if (state_.sentBytes == state_.totalBytes && state_.totalBytes > 0) --state_.sentBytes;
    emit Progress(state_);
}

void PacedSender::Finish() {
    timer_.stop();
    busy_ = false;
    state_.cancelled = cancelling_ && next_ < steps_.size();
    state_.done = true;
    const size_t sent = handed_ - std::min(handed_, BytesLeft());
    state_.sentBytes = sent;
    state_.sentSteps = 0;
    state_.sentRows = 0;
    for (size_t i = 0; i < next_ && stepEnds_[i] <= sent; ++i) {
        ++state_.sentSteps;
        state_.sentRows += steps_[i].rows;
    }
    state_.secondsLeft = 0;
    steps_.clear();
    emit Finished(state_);
}
