#include "serial/LineCounters.h"

#include "serial/SerialTypes.h"

void LineCounters::Seed(const LineCounts& counts) {
    std::lock_guard<std::mutex> lock(mutex_);
    errorsSeen_ = counts;
    eventsSeen_ = counts;
}

uint32_t LineCounters::TakeErrors(const LineCounts& now) {
    std::lock_guard<std::mutex> lock(mutex_);
    uint32_t errors = 0;
    if (now.frame != errorsSeen_.frame) errors |= CE_FRAME;
    if (now.parity != errorsSeen_.parity) errors |= CE_RXPARITY;
    if (now.overrun != errorsSeen_.overrun) errors |= CE_OVERRUN;
    if (now.bufOverrun != errorsSeen_.bufOverrun) errors |= CE_RXOVER;
    if (now.brk != errorsSeen_.brk) errors |= CE_BREAK;
    errorsSeen_ = now;
    return errors;
}

uint32_t LineCounters::TakeEvents(const LineCounts& now) {
    std::lock_guard<std::mutex> lock(mutex_);
    uint32_t events = 0;
    if (now.brk != eventsSeen_.brk) events |= EV_BREAK;
    if (now.frame != eventsSeen_.frame || now.parity != eventsSeen_.parity ||
        now.overrun != eventsSeen_.overrun || now.bufOverrun != eventsSeen_.bufOverrun)
        events |= EV_ERR;
    eventsSeen_ = now;
    return events;
}
