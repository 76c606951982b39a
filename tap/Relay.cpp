#include "tap/Relay.h"

#include <algorithm>

namespace tap {

namespace {

// Every wait is this short, so Stop is seen soon; data wakes the waits at once.
constexpr int WAIT_SLICE_MS = 50;
constexpr auto WAIT_SLICE = std::chrono::milliseconds(WAIT_SLICE_MS);
// While the printer holds back by XOFF, the writer looks again this often.
constexpr auto HOLD_POLL = std::chrono::milliseconds(2);
constexpr size_t READ_CHUNK = 4096;

} // namespace

Relay::Relay(TapEnd& source, TapEnd* destination, Hooks hooks)
    : source_(source), destination_(destination), hooks_(std::move(hooks)) {}

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

void Relay::ReadLoop() {
    std::vector<uint8_t> chunk(READ_CHUNK);
    bool gone = false;
    while (!stop_.load()) {
        size_t room = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, WAIT_SLICE,
                              [&] { return stop_.load() || queue_.size() < QUEUE_LIMIT; });
            room = QUEUE_LIMIT - std::min(QUEUE_LIMIT, queue_.size());
        }
        if (room == 0) continue;
        const uint32_t ready = source_.Wait(TapEnd::READABLE, WAIT_SLICE_MS);
        long n = 0;
        if ((ready & TapEnd::READABLE) != 0)
            n = source_.Read(chunk.data(), std::min(room, chunk.size()));
        if (n > 0) {
            if (gone) {
                gone = false;
                if (hooks_.sourceChanged) hooks_.sourceChanged(false);
            }
            if (hooks_.read) hooks_.read(chunk.data(), static_cast<size_t>(n));
            if (destination_ == nullptr) continue;
            std::lock_guard lock(mutex_);
            queue_.insert(queue_.end(), chunk.begin(), chunk.begin() + n);
            peak_.store(std::max(peak_.load(), queue_.size()));
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

void Relay::WriteLoop() {
    std::vector<uint8_t> chunk;
    while (!stop_.load()) {
        {
            std::unique_lock lock(mutex_);
            changed_.wait_for(lock, WAIT_SLICE, [&] { return stop_.load() || !queue_.empty(); });
            if (queue_.empty()) continue;
            const size_t take = std::min(queue_.size(), READ_CHUNK);
            chunk.assign(queue_.begin(), queue_.begin() + static_cast<long>(take));
        }
        if (hooks_.holdWrites && hooks_.holdWrites()) {
            std::this_thread::sleep_for(HOLD_POLL);
            continue;
        }
        const long n = destination_->Write(chunk.data(), chunk.size());
        size_t done = 0;
        if (n == TapEnd::FAILED && hooks_.waitWhileGone) {
            destination_->Wait(TapEnd::WRITABLE, WAIT_SLICE_MS);
            continue;
        }
        if (n == TapEnd::FAILED) {
            done = chunk.size();
            if (hooks_.dropped) hooks_.dropped(done);
        } else if (n > 0) {
            done = static_cast<size_t>(n);
            delivered_.fetch_add(done);
        } else {
            destination_->Wait(TapEnd::WRITABLE, WAIT_SLICE_MS);
            continue;
        }
        std::lock_guard lock(mutex_);
        queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(done));
        changed_.notify_all();
    }
}

} // namespace tap
