// The parts of the serial device that every back end shares: time-outs, the
// bounded transfers, the bounded flush and the comm-event wait.
#include "serial/SerialPlatform.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int FLUSH_POLL_MS = 5;
constexpr uint64_t FLUSH_LIMIT_MS = 10000;
constexpr int TXEMPTY_POLL_MS = 10;
constexpr int LINE_EVENT_POLL_MS = 50;
// The close gives up on an output queue that has not moved for this long (a printer
// holding CTS off, a full network printer): a moving one is waited for.
constexpr int64_t SETTLE_STALL_MS = 1000;

int64_t MsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    // Round up, so a wait never ends just before its deadline and spins.
    return (left.count() + 999) / 1000;
}

// Time-outs past this are as good as none; capping them keeps the deadline
// arithmetic of the clock from overflowing (a MAXDWORD multiplier times a few
// thousand bytes would otherwise put the deadline in the past).
constexpr uint64_t LONGEST_TIMEOUT_MS = uint64_t{1} << 40; // about 35 years

Clock::time_point DeadlineAfter(Clock::time_point start, uint64_t ms) {
    return start + std::chrono::milliseconds(std::min(ms, LONGEST_TIMEOUT_MS));
}

// multiplier * length + constant, saturated at LONGEST_TIMEOUT_MS.
uint64_t TotalTimeout(uint32_t multiplier, uint32_t length, uint32_t constant) {
    const uint64_t total = uint64_t{multiplier} * length + constant; // < 2^65 cannot wrap here
    return std::min(total, LONGEST_TIMEOUT_MS);
}

int ClampWait(int64_t ms) {
    return static_cast<int>(std::min<int64_t>(ms, 1 << 30));
}

} // namespace

SerialDevice::SerialDevice() = default;
SerialDevice::~SerialDevice() = default;

bool SerialDevice::GetTimeouts(COMMTIMEOUTS* timeouts) const {
    if (!timeouts) return false;
    std::lock_guard<std::mutex> lock(timeoutsMutex_);
    *timeouts = timeouts_;
    return true;
}

bool SerialDevice::SetTimeouts(const COMMTIMEOUTS& timeouts) {
    std::lock_guard<std::mutex> lock(timeoutsMutex_);
    timeouts_ = timeouts;
    return true;
}

bool SerialDevice::Read(void* buffer, uint32_t length, uint32_t* done) {
    uint32_t got = 0;
    if (done) *done = 0;
    if (length == 0) return true;
    COMMTIMEOUTS t;
    GetTimeouts(&t);
    uint8_t* out = static_cast<uint8_t*>(buffer);

    // Interval MAXDWORD with no totals: return at once with what is there.
    const bool immediate = t.ReadIntervalTimeout == MAXDWORD_VALUE &&
                           t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
    // Interval and multiplier MAXDWORD: return at once when bytes are there, else
    // wait up to the constant for the first byte.
    const bool firstByte =
        t.ReadIntervalTimeout == MAXDWORD_VALUE && t.ReadTotalTimeoutMultiplier == MAXDWORD_VALUE &&
        t.ReadTotalTimeoutConstant > 0 && t.ReadTotalTimeoutConstant < MAXDWORD_VALUE;
    const uint64_t total =
        firstByte ? t.ReadTotalTimeoutConstant
                  : TotalTimeout(t.ReadTotalTimeoutMultiplier, length, t.ReadTotalTimeoutConstant);
    const bool hasTotal = !immediate && total > 0;
    const bool hasInterval = !immediate && !firstByte && t.ReadIntervalTimeout > 0 &&
                             t.ReadIntervalTimeout != MAXDWORD_VALUE;
    const auto start = Clock::now();
    const auto deadline = DeadlineAfter(start, hasTotal ? total : 0);
    auto lastByte = start;

    for (;;) {
        const int n = ReadSome(out + got, length - got);
        if (n < 0) {
            if (done) *done = got;
            return false;
        }
        if (n > 0) {
            got += static_cast<uint32_t>(n);
            lastByte = Clock::now();
            if (got == length || firstByte) break;
        }
        if (immediate) break;
        int64_t waitMs = WAIT_FOREVER;
        if (hasTotal) {
            waitMs = MsUntil(deadline);
            if (waitMs <= 0) break;
        }
        if (hasInterval && got > 0) {
            const int64_t intervalLeft =
                MsUntil(lastByte + std::chrono::milliseconds(t.ReadIntervalTimeout));
            if (intervalLeft <= 0) break;
            waitMs = waitMs < 0 ? intervalLeft : std::min(waitMs, intervalLeft);
        }
        const uint32_t ready = Wait(IO_READABLE, waitMs < 0 ? WAIT_FOREVER : ClampWait(waitMs));
        if (ready & IO_INTERRUPTED) break;
        // IO_HANGUP: the next ReadSome reports the failure.
    }
    if (done) *done = got;
    return true;
}

bool SerialDevice::Write(const void* buffer, uint32_t length, uint32_t* done) {
    uint32_t put = 0;
    if (done) *done = 0;
    if (length == 0) return true;
    COMMTIMEOUTS t;
    GetTimeouts(&t);
    const uint8_t* in = static_cast<const uint8_t*>(buffer);
    const uint64_t total =
        TotalTimeout(t.WriteTotalTimeoutMultiplier, length, t.WriteTotalTimeoutConstant);
    const auto deadline = DeadlineAfter(Clock::now(), total);
    bool ok = true;
    for (;;) {
        const int n = WriteSome(in + put, length - put);
        if (n < 0) {
            ok = false;
            break;
        }
        put += static_cast<uint32_t>(n);
        if (n > 0) wroteSinceEmpty_.store(true);
        if (put == length) break;
        int64_t waitMs = WAIT_FOREVER;
        if (total > 0) {
            waitMs = MsUntil(deadline);
            if (waitMs <= 0) break; // timed out: the count says how far it got
        }
        const uint32_t ready = Wait(IO_WRITABLE, waitMs < 0 ? WAIT_FOREVER : ClampWait(waitMs));
        if (ready & IO_INTERRUPTED) break;
    }
    if (done) *done = put;
    return ok;
}

bool SerialDevice::Flush() {
    if (Vanished()) return false;
    COMMTIMEOUTS t;
    GetTimeouts(&t);
    uint32_t queued = 0;
    if (!OutputQueued(&queued)) return false;
    // tcdrain would wait for ever while the other end holds CTS off; the write
    // time-out for what is queued bounds the wait instead.
    // Without a write time-out the wait is still bounded, so Close cannot hang.
    const uint64_t total =
        TotalTimeout(t.WriteTotalTimeoutMultiplier, queued, t.WriteTotalTimeoutConstant);
    const uint64_t limit = total > 0 ? total : FLUSH_LIMIT_MS;
    const auto deadline = DeadlineAfter(Clock::now(), limit);
    while (queued > 0) {
        if (MsUntil(deadline) <= 0) return false;
        if (Wait(0, FLUSH_POLL_MS) & IO_INTERRUPTED) return false;
        if (Vanished() || !OutputQueued(&queued)) return false;
    }
    return true;
}

uint32_t SerialDevice::SettleOutput(uint32_t budgetMs) {
    if (Vanished()) return 0;
    uint32_t queued = 0;
    if (!OutputQueued(&queued)) return Vanished() ? 0 : OUTPUT_UNKNOWN;
    const auto start = Clock::now();
    const auto deadline = DeadlineAfter(start, budgetMs);
    auto lastMove = start;
    uint32_t least = queued;
    while (queued > 0) {
        const auto now = Clock::now();
        if (now >= deadline || now - lastMove >= std::chrono::milliseconds(SETTLE_STALL_MS))
            return queued;
        if (Wait(0, FLUSH_POLL_MS) & IO_INTERRUPTED) return queued;
        if (!OutputQueued(&queued)) return Vanished() ? 0 : OUTPUT_UNKNOWN;
        if (Vanished()) return 0;
        if (queued < least) {
            least = queued;
            lastMove = Clock::now();
        }
    }
    return 0;
}

bool SerialDevice::SetCommMask(uint32_t mask) {
    mask_.store(mask);
    maskGeneration_.fetch_add(1);
    Wake();
    return true;
}

bool SerialDevice::WaitCommEvent(uint32_t* events) {
    if (!events) return false;
    *events = 0;
    const uint32_t mask = mask_.load();
    if (mask == 0) return false;
    for (;;) {
        const uint32_t generation = maskGeneration_.load();
        if (generation != seenGeneration_.load()) {
            seenGeneration_.store(generation);
            return true;
        }
        // Nothing more will happen on this line: the failure ends the wait, so
        // the watch thread can report the device gone.
        if (vanished_.load()) return false;
        uint32_t found = 0;
        bool txPending = false;
        if ((mask & EV_TXEMPTY) && wroteSinceEmpty_.load()) {
            uint32_t queued = 0;
            if (OutputQueued(&queued) && queued == 0) {
                wroteSinceEmpty_.store(false);
                found |= EV_TXEMPTY;
            } else {
                txPending = true;
            }
        }
        if (WatchesLineEvents()) found |= TakeLineEvents() & mask;
        if (mask & EV_RXCHAR) {
            uint32_t queued = 0;
            if (InputQueued(&queued) && queued > 0) found |= EV_RXCHAR;
        }
        if (found) {
            *events = found;
            return true;
        }
        int waitMs = WAIT_FOREVER;
        if (txPending) waitMs = TXEMPTY_POLL_MS;
        if (WatchesLineEvents())
            waitMs = waitMs < 0 ? LINE_EVENT_POLL_MS : std::min(waitMs, LINE_EVENT_POLL_MS);
        const uint32_t want = IO_EVENT_WAKE | ((mask & EV_RXCHAR) ? IO_READABLE : 0);
        const uint32_t ready = Wait(want, waitMs);
        if (ready & IO_INTERRUPTED) return true;
        if (ready & IO_HANGUP) MarkVanished();
    }
}

void SerialDevice::MarkVanished(int error) {
    const int cause = error != 0 ? error : EIO;
    int none = 0;
    vanishedError_.compare_exchange_strong(none, cause);
    NoteError(cause);
    vanished_.store(true);
}

void SerialDevice::Interrupt(bool on) {
    interrupted_.store(on);
    SignalInterrupt(on);
}
