#include "tap/Relay.h"

#include <algorithm>

namespace tap {

namespace {

// Every wait is this short, so Stop is seen soon; data wakes the waits at once.
constexpr int WAIT_SLICE_MS = 50;
constexpr auto WAIT_SLICE = std::chrono::milliseconds(WAIT_SLICE_MS);
// While the printer holds back by XOFF, the writer looks again this often.
constexpr auto HOLD_POLL = std::chrono::milliseconds(2);
constexpr size_t READ_CHUNK = 64 * 1024;

} // namespace

Relay::Relay(TapEnd& source, TapEnd* destination, Hooks hooks)
    : source_(source), destination_(destination), hooks_(std::move(hooks)), ring_(QUEUE_LIMIT) {}

Relay::~Relay() {
    Stop();
}

void Relay::Start() {
    reader_ = std::thread([this] { ReadLoop(); });
    if (destination_ != nullptr) writer_ = std::thread([this] { WriteLoop(); });
}

void Relay::Stop() {
    stop_.store(true);
    changed_.notify_all();
    if (reader_.joinable()) reader_.join();
    if (writer_.joinable()) writer_.join();
}

void Relay::Finish(Clock::time_point deadline, Clock::duration stall) {
    stopReading_.store(true);
    changed_.notify_all();
    if (reader_.joinable()) reader_.join();
    if (writer_.joinable()) {
        std::unique_lock lock(mutex_);
        size_t least = queued_;
        auto moved = Clock::now();
        while (queued_ > 0) {
            const auto now = Clock::now();
            if (now >= deadline || now - moved >= stall) break;
            changed_.wait_for(lock, WAIT_SLICE);
            if (queued_ < least) {
                least = queued_;
                moved = Clock::now();
            }
        }
    }
    Stop();
}

void Relay::ReadLoop() {
    // A passive tap's reader keeps nothing: it reads into a buffer of its own.
    std::vector<uint8_t> listening(destination_ == nullptr ? READ_CHUNK : 0);
    bool gone = hooks_.sourceStartsGone;
    const auto stopping = [this] { return stop_.load() || stopReading_.load(); };
    while (!stopping()) {
        uint8_t* into = listening.data();
        size_t room = listening.size();
        if (destination_ != nullptr) {
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, WAIT_SLICE, [&] { return stopping() || queued_ < QUEUE_LIMIT; });
            // The free part after the queued bytes, up to the ring's end.
            const size_t tail = (head_ + queued_) % QUEUE_LIMIT;
            room = std::min(QUEUE_LIMIT - queued_, QUEUE_LIMIT - tail);
            into = ring_.data() + tail;
        }
        if (room == 0) continue;
        const uint32_t ready = source_.Wait(TapEnd::READABLE, WAIT_SLICE_MS);
        long n = 0;
        if ((ready & TapEnd::READABLE) != 0) {
            if (hooks_.beforeRead) hooks_.beforeRead();
            n = source_.Read(into, room);
        }
        if (n > 0) {
            if (gone) {
                gone = false;
                if (hooks_.sourceChanged) hooks_.sourceChanged(false);
            }
            read_.fetch_add(static_cast<uint64_t>(n));
            if (hooks_.read) hooks_.read(into, static_cast<size_t>(n));
            if (destination_ == nullptr) continue;
            const size_t passed = PassAtOnce(into, static_cast<size_t>(n));
            std::lock_guard lock(mutex_);
            if (passed > 0) {
                head_ = (head_ + passed) % QUEUE_LIMIT;
                delivered_.fetch_add(passed);
            }
            queued_ += static_cast<size_t>(n) - passed;
            peak_.store(std::max(peak_.load(), queued_));
            changed_.notify_all();
            continue;
        }
        const bool nowGone = n == TapEnd::FAILED || ((ready & TapEnd::GONE) != 0 && n == 0);
        if (nowGone != gone && (nowGone || (ready & TapEnd::GONE) == 0)) {
            gone = nowGone;
            if (hooks_.sourceChanged) hooks_.sourceChanged(gone);
        }
        // A source that stays gone reports it at once on every wait: do not spin.
        if (gone) std::this_thread::sleep_for(WAIT_SLICE);
    }
}

size_t Relay::PassAtOnce(const uint8_t* data, size_t length) {
    // Only with nothing queued (so the writer has nothing in flight): bytes then go on
    // in order, and a status request does not wait for the writer's thread to wake.
    {
        std::lock_guard lock(mutex_);
        if (queued_ > 0) return 0;
    }
    if (hooks_.holdWrites && hooks_.holdWrites()) return 0;
    const long n = destination_->Write(data, length);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

void Relay::WriteLoop() {
    while (!stop_.load()) {
        const uint8_t* from = nullptr;
        size_t length = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, WAIT_SLICE, [&] { return stop_.load() || queued_ > 0; });
            if (queued_ == 0) continue;
            // The queued bytes up to the ring's end; the reader never writes there.
            from = ring_.data() + head_;
            length = std::min(queued_, QUEUE_LIMIT - head_);
        }
        if (hooks_.holdWrites && hooks_.holdWrites()) {
            std::this_thread::sleep_for(HOLD_POLL);
            continue;
        }
        const long n = destination_->Write(from, length);
        if (n == TapEnd::FAILED && hooks_.waitWhileGone) {
            destination_->Wait(TapEnd::WRITABLE, WAIT_SLICE_MS);
            continue;
        }
        size_t done = 0;
        if (n == TapEnd::FAILED) {
            done = length;
            if (hooks_.dropped) hooks_.dropped(done);
        } else if (n > 0) {
            done = static_cast<size_t>(n);
            delivered_.fetch_add(done);
        } else {
            destination_->Wait(TapEnd::WRITABLE, WAIT_SLICE_MS);
            continue;
        }
        std::lock_guard lock(mutex_);
        head_ = (head_ + done) % QUEUE_LIMIT;
        queued_ -= done;
        changed_.notify_all();
    }
}

} // namespace tap
