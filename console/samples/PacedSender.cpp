#include "console/samples/PacedSender.h"

#include "host/CommandHost.h"
#include "printer/VrnxLib.h"

#include <algorithm>

namespace {
constexpr double MS_PER_SECOND = 1000.0;
const char* const MSG_SETUP_REFUSED = QT_TRANSLATE_NOOP(
    "PacedSender", "%1 was not sent: the printer has taken nothing of the picture for %2 s. "
                   "Cancel the picture, or try again when it takes data.");
const char* const DEFAULT_SETUP_NAME = QT_TRANSLATE_NOOP("PacedSender", "The setting");
} // namespace

PacedSender::PacedSender(CommandHost& host, QObject* parent) : QObject(parent), host_(host) {
    timer_.setInterval(POLL_MS);
    connect(&timer_, &QTimer::timeout, this, &PacedSender::Tick);
}

PacedSender::~PacedSender() {
    if (host_.RunningJob() == this) host_.SetRunningJob(nullptr);
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
    lastSent_ = 0;
    droppedAtStart_ = host_.Printer().DroppedTxBytes();
    progress_.Start(stepEnds_, 0);
    waiting_.clear();
    cancelling_ = false;
    busy_ = true;
    host_.SetRunningJob(this);
    clock_.start();
    timer_.start();
    Tick();
    return true;
}

void PacedSender::Cancel() {
    if (busy_) cancelling_ = true;
}

void PacedSender::AtCommandBoundary(std::function<void()> setup, const QString& what,
                                    bool endsJob, QWidget* control) {
    if (!busy_) { // nothing in flight: at a boundary already
        setup();
        return;
    }
    if (waiting_.empty()) {
        waitingLeft_ = BytesLeft();
        waitingSince_ = clock_.elapsed();
    }
    waiting_.push_back({std::move(setup), what, endsJob, control});
}

size_t PacedSender::BytesLeft() {
    CVRNX_LIB& line = host_.Printer();
    // What the engine holds counts the piece its write thread is writing; a byte in
    // neither that nor the device's queue has left the console.
    size_t left = static_cast<size_t>(line.HeldTxBytes());
    const uint32_t queued = line.IsOpen() ? line.QueuedBytes(false) : 0;
    if (queued != CN_QUERY_FAILED) left += queued;
    return std::min(left, handed_);
}

void PacedSender::CountSent(size_t sent) {
    state_.sentBytes = sent;
    state_.sentSteps = 0;
    state_.sentRows = 0;
    for (size_t i = 0; i < next_ && stepEnds_[i] <= sent; ++i) {
        ++state_.sentSteps;
        state_.sentRows += steps_[i].rows;
    }
}

uint32_t PacedSender::LineRate() const {
    return host_.Printer().LineBytesPerSecond();
}

bool PacedSender::MayHandNext(size_t left) const {
    if (next_ == 0) return true;
    // Keep the line busy with about one command in hand: the next goes when less than
    // the one before is still waiting...
    if (left >= steps_[next_ - 1].bytes) return false;
    // ... and, on a line with a known rate, when what it has still to carry would take
    // less than CANCEL_SPAN_MS: a device that takes more without saying so (a
    // pseudo-terminal's buffer) then never holds more than that past a Cancel.
    const uint32_t rate = LineRate();
    if (rate == 0) return true;
    const size_t span = std::max<size_t>(1, static_cast<size_t>(rate) * CANCEL_SPAN_MS /
                                                static_cast<size_t>(MS_PER_SECOND));
    return handed_ - std::min(handed_, progress_.Carried()) < span;
}

void PacedSender::ServeWaiting(size_t left) {
    if (waiting_.empty()) return;
    if (left == 0) {
        // Every command handed over has left whole: the setups go now, in the order
        // asked, and the ones that end the job say so.
        std::vector<Waiting> now;
        now.swap(waiting_);
        for (Waiting& w : now) {
            w.setup();
            if (w.endsJob && !cancelling_) {
                cancelling_ = true;
                state_.stoppedFor = w.what;
            }
        }
        return;
    }
    if (left < waitingLeft_) { // the line still moves
        waitingLeft_ = left;
        waitingSince_ = clock_.elapsed();
        return;
    }
    if (clock_.elapsed() - waitingSince_ < BOUNDARY_STALL_MS) return;
    std::vector<Waiting> refused;
    refused.swap(waiting_);
    for (const Waiting& w : refused) {
        const QString name = w.what.isEmpty() ? tr(DEFAULT_SETUP_NAME) : w.what;
        emit SetupRefused(tr(MSG_SETUP_REFUSED).arg(name).arg(BOUNDARY_STALL_MS / MS_PER_SECOND),
                          w.control);
    }
}

void PacedSender::Tick() {
    if (!busy_) return;
    CVRNX_LIB& line = host_.Printer();
    // Closed, or gone: what was not handed over stays unsent, and nothing more is.
    if (!line.IsOpen() || line.DeviceVanished()) {
        cancelling_ = true;
        state_.lost = line.DeviceVanished();
        Finish();
        return;
    }
    size_t left = BytesLeft();
    progress_.Update(clock_.elapsed(), handed_ - left, LineRate());
    if (!waiting_.empty()) {
        ServeWaiting(left);
        if (!busy_) return;
        left = BytesLeft();
    }
    while (waiting_.empty() && !cancelling_ && next_ < steps_.size() && MayHandNext(left)) {
        steps_[next_].send();
        handed_ += steps_[next_].bytes;
        ++next_;
        left = BytesLeft();
    }
    const size_t sent = handed_ - left;
    lastSent_ = std::max(lastSent_, sent);
    progress_.Update(clock_.elapsed(), sent, LineRate());
    // While the job runs the note and the bar say what the line has carried.
    CountSent(progress_.Carried());
    state_.barBytes = progress_.CommandBytesCarried();
    state_.secondsLeft = progress_.SecondsLeft();
    // Over when every command handed over has left the console and, on a line of known
    // rate, could have been carried by it.
    const bool allHanded = cancelling_ || next_ == steps_.size();
    if (allHanded && left == 0 && progress_.Carried() >= handed_) {
        Finish();
        return;
    }
    // Never 100 % before the last byte has gone.
    if (state_.sentBytes == state_.totalBytes && state_.totalBytes > 0) --state_.sentBytes;
    if (state_.barBytes == state_.totalBytes && state_.totalBytes > 0) --state_.barBytes;
    emit Progress(state_);
}

void PacedSender::Finish() {
    timer_.stop();
    busy_ = false;
    if (host_.RunningJob() == this) host_.SetRunningJob(nullptr);
    CVRNX_LIB& line = host_.Printer();
    state_.cancelled = cancelling_ && next_ < steps_.size();
    state_.done = true;
    size_t sent = 0;
    if (state_.lost) {
        // What the engine still holds and what it dropped for the lost device never
        // left (held first: a byte moving meanwhile is then counted as unsent).
        const uint64_t held = line.HeldTxBytes();
        const uint64_t dropped = line.DroppedTxBytes() - droppedAtStart_;
        sent = handed_ - static_cast<size_t>(std::min<uint64_t>(handed_, held + dropped));
    } else if (!line.IsOpen()) {
        // Closing dropped what was queued without counting it: what was seen to leave.
        sent = lastSent_;
    } else {
        sent = handed_ - BytesLeft();
    }
    CountSent(sent);
    state_.barBytes = sent;
    state_.secondsLeft = 0;
    // Setups still waiting for a boundary: the job is over, so they go now when the
    // line is usable (their own port check says when it is not).
    std::vector<Waiting> waiting;
    waiting.swap(waiting_);
    if (!state_.lost)
        for (Waiting& w : waiting) w.setup();
    steps_.clear();
    emit Finished(state_);
}
