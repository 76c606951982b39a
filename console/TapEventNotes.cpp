#include "console/TapEventNotes.h"

#include "eventlog/EventLog.h"

#include <string>

namespace {

std::string AlertNames(uint32_t alerts) {
    std::string names;
    for (size_t i = 0; i < tap::ALERT_KINDS; ++i) {
        if ((alerts & (1u << i)) == 0) continue;
        if (!names.empty()) names += ", ";
        names += tap::AlertName(static_cast<tap::Alert>(i));
    }
    return names;
}

// Counts one more against `limit`: whether to log it, and whether it is the one that
// reaches the limit.
bool Take(std::atomic<uint32_t>& count, uint32_t limit, bool& last) {
    const uint32_t taken = count.fetch_add(1) + 1;
    last = taken == limit;
    return taken <= limit;
}

} // namespace

void TapEventNotes::Start() {
    notes_ = 0;
    alerts_ = 0;
}

void TapEventNotes::Row(const tap::Row& row) {
    bool last = false;
    if (row.direction == tap::Direction::Note) {
        if (!Take(notes_, MAX_NOTES, last)) return;
        // An end that went away (the printer, the program) is worth a warning.
        const bool gone = row.alerts != 0 || row.text.find("went away") != std::string::npos;
        eventlog::Note(eventlog::Kind::Port, "Tap: " + row.text,
                       gone ? eventlog::Level::Warning : eventlog::Level::Info);
        if (last)
            eventlog::Note(eventlog::Kind::Log,
                           "Tap: further notes of this session are not logged");
        return;
    }
    if (row.alerts == 0 || !Take(alerts_, MAX_ALERTS, last)) return;
    const char* side = row.direction == tap::Direction::ToPrinter ? "to printer" : "to program";
    eventlog::Note(eventlog::Kind::Port,
                   "Tap alert (" + AlertNames(row.alerts) + "), row " + std::to_string(row.number) +
                       " " + side + ": " + row.text,
                   eventlog::Level::Warning);
    if (last)
        eventlog::Note(eventlog::Kind::Log,
                       "Tap: further alerts of this session are counted in its summary, not logged");
}
