// The tap's rows the event log keeps: a note about an end (the printer went away, a
// warning) and each alert row with its names, up to the number per session, then one
// line that says the rest are only counted; a new session counts again.
#include "console/TapEventNotes.h"
#include "eventlog/EventLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<eventlog::Event> NotedSince(size_t before) {
    const auto recent = eventlog::EventLog::Instance().Recent();
    return {recent.begin() + static_cast<long>(std::min(before, recent.size())), recent.end()};
}

size_t Count(const std::vector<eventlog::Event>& events, const std::string& text) {
    return static_cast<size_t>(std::count_if(events.begin(), events.end(), [&](const auto& e) {
        return e.text.find(text) != std::string::npos;
    }));
}

tap::Row Note(const std::string& text) {
    tap::Row row;
    row.direction = tap::Direction::Note;
    row.text = text;
    return row;
}

tap::Row Alerted(uint64_t number) {
    tap::Row row;
    row.number = number;
    row.direction = tap::Direction::ToPrinter;
    row.text = "GS k: barcode";
    row.alerts = tap::AlertBit(tap::Alert::UnknownCommand) | tap::AlertBit(tap::Alert::CutOff);
    return row;
}

} // namespace

TEST(TapEventNotes, EndsAndAlertsAreLoggedUpToTheirNumberPerSession) {
    const size_t before = eventlog::EventLog::Instance().Recent().size();
    TapEventNotes notes;
    notes.Start();
    notes.Row(Note("the printer went away (12 bytes not taken)"));
    tap::Row plain = Alerted(1);
    plain.alerts = 0;
    notes.Row(plain); // a row without alerts is the window's, not the log's
    for (uint64_t i = 1; i <= TapEventNotes::MAX_ALERTS + 5; ++i) notes.Row(Alerted(i));

    auto noted = NotedSince(before);
    ASSERT_FALSE(noted.empty());
    EXPECT_EQ(noted.front().text, "Tap: the printer went away (12 bytes not taken)");
    EXPECT_EQ(noted.front().level, eventlog::Level::Warning);
    EXPECT_EQ(Count(noted, "Tap alert (unknown command, cut off), row "), TapEventNotes::MAX_ALERTS);
    EXPECT_EQ(Count(noted, "row 1 to printer: GS k: barcode"), 1u);
    EXPECT_EQ(Count(noted, "further alerts of this session are counted in its summary"), 1u);
    EXPECT_EQ(noted.size(), 1 + TapEventNotes::MAX_ALERTS + 1);

    // The next session starts its counts again.
    const size_t second = eventlog::EventLog::Instance().Recent().size();
    notes.Start();
    notes.Row(Alerted(1));
    EXPECT_EQ(Count(NotedSince(second), "Tap alert"), 1u);
}
