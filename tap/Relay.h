#pragma once
// One direction of the pass-through: a reader thread takes what the source has, as
// long as the bounded queue has room, and hands it straight on when nothing waits
// before it; what the destination does not take at once is queued for a writer
// thread, which hands it on as fast as the destination takes it. When the
// destination holds back, the queue fills and the reader stops reading, so the
// holding back reaches the source.

#include "tap/TapEnd.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tap {

class Relay {
public:
    using Clock = std::chrono::steady_clock;
    // How many bytes may wait between the ends.
    static constexpr size_t QUEUE_LIMIT = 64 * 1024;

    struct Hooks {
        // Bytes read from the source, in order, before they are queued.
        std::function<void(const uint8_t* data, size_t length)> read;
        // The source went (true) or came back (false).
        std::function<void(bool gone)> sourceChanged;
        // Bytes dropped because the destination has gone.
        std::function<void(size_t count)> dropped;
        // Just before each read of the source (the program's line settings are looked
        // at there, so its bytes go at the settings they were written with).
        std::function<void()> beforeRead;
        // True while the writer must not write (the printer said XOFF).
        std::function<bool()> holdWrites;
        // The source is not there until it first comes (a program's side before any
        // program connected): its first coming is said, no going before it.
        bool sourceStartsGone = false;
        // The destination comes back after it has gone (a printer opened again): its
        // bytes wait for it, holding the source back, instead of being dropped.
        bool waitWhileGone = false;
    };

    Relay(TapEnd& source, TapEnd* destination, Hooks hooks);
    ~Relay();
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    void Start();
    // Stops at once: what waits in the queue stays there (see Undelivered).
    void Stop();
    // Stops reading, lets the writer hand on what waits while the destination keeps
    // taking it (it gives up once nothing was taken for `stall`) and at most until
    // `deadline`, then stops.
    void Finish(Clock::time_point deadline, Clock::duration stall);
    // The largest the queue has been.
    size_t PeakQueued() const { return peak_.load(); }
    // Bytes read from the source, and those of them the destination took.
    uint64_t Read() const { return read_.load(); }
    uint64_t Delivered() const { return delivered_.load(); }
    // Read and not taken by the destination: waiting in the queue, or dropped.
    uint64_t Undelivered() const { return read_.load() - delivered_.load(); }

private:
    void ReadLoop();
    void WriteLoop();
    // Writes what was just read straight on when nothing waits before it; the count
    // written (the rest is queued).
    size_t PassAtOnce(const uint8_t* data, size_t length);

    TapEnd& source_;
    TapEnd* destination_; // null: a passive tap only listens
    Hooks hooks_;
    std::mutex mutex_;
    std::condition_variable changed_;
    // The queue as a ring: the reader reads into its free part and the writer writes
    // from its filled part without copying; each moves its end under the lock.
    std::vector<uint8_t> ring_;
    size_t head_ = 0;   // the first queued byte
    size_t queued_ = 0; // bytes queued
    std::atomic<bool> stop_{false};
    std::atomic<bool> stopReading_{false};
    std::atomic<size_t> peak_{0};
    std::atomic<uint64_t> read_{0};
    std::atomic<uint64_t> delivered_{0};
    std::thread reader_;
    std::thread writer_;
};

} // namespace tap
