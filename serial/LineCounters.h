// The line-error and break counters a UART driver keeps, turned into what the engine
// reports: line errors (CE_*) for the owner's error query and comm events (EV_BREAK,
// EV_ERR) for the event wait. Each report keeps its own last-seen counts, so one does
// not swallow the other's changes.
#pragma once

#include <cstdint>
#include <mutex>

struct LineCounts {
    uint32_t brk = 0;
    uint32_t frame = 0;
    uint32_t parity = 0;
    uint32_t overrun = 0;
    uint32_t bufOverrun = 0;
};

class LineCounters {
public:
    // The counts the device has at open; only later changes are reported.
    void Seed(const LineCounts& counts);
    // CE_* bits for every counter that changed since the last call.
    uint32_t TakeErrors(const LineCounts& now);
    // EV_BREAK / EV_ERR for the counters that changed since the last call.
    uint32_t TakeEvents(const LineCounts& now);

private:
    std::mutex mutex_;
    LineCounts errorsSeen_;
    LineCounts eventsSeen_;
};
