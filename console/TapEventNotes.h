#pragma once
// What of a tap session the event log keeps: every note about its ends (a program or
// the printer came, went away, came back) and the rows with alerts. A flood of alerts
// or notes is kept up to a number per session, then one line says the rest are only
// counted (the session's summary, logged when it stops, has their totals).

#include "tap/Conversation.h"

#include <atomic>
#include <cstdint>

class TapEventNotes {
public:
    // Notes and alert rows kept per session, each.
    static constexpr uint32_t MAX_NOTES = 500;
    static constexpr uint32_t MAX_ALERTS = 100;

    // A new session: the counts start again.
    void Start();
    // A row of the session, from any of its threads.
    void Row(const tap::Row& row);

private:
    std::atomic<uint32_t> notes_{0};
    std::atomic<uint32_t> alerts_{0};
};
