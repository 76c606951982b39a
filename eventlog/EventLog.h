#pragma once
// One log of everything the console (or talvane-cli) knows happened: ports, status
// changes, refusals, files, picture jobs, settings, and every balloon and message box
// text. Kept in memory for the event log window and, when given a folder, on disk one
// file per day ("YYYY-MM-DD.log"), each line written with one write() so that a crash
// loses at most the last line. The files together stay under a size bound at every
// line written: the oldest days go first, and a day alone at the bound stops growing.
// No Qt, so the command-line tool shares it.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace eventlog {

enum class Kind { Port, Status, Refused, Said, File, Picture, Settings, Log };
inline constexpr int KIND_COUNT = 8;
enum class Level { Error, Warning, Info };

using TimePoint = std::chrono::system_clock::time_point;

struct Event {
    TimePoint time;
    Kind kind = Kind::Said;
    Level level = Level::Info;
    std::string text;
};

// "port", "status", ... as the lines and the window's filter name them.
const char* KindName(Kind kind);
// "error", "warning", "info"; nothing for an unknown name.
bool ParseLevel(const std::string& name, Level& level);
// Local time to the millisecond: "2026-12-08 08:40:01.123".
std::string TimeText(TimePoint time);
// The day file's name for a time: "2026-12-08.log" (local date).
std::string DayFileName(TimePoint time);
// "2026-12-08 08:40:01.123 port     COM1 opened at 9600 baud" (one line, no newline;
// line breaks in the text become " / ").
std::string FormatLine(const Event& event);

class EventLog {
public:
    using Clock = std::function<TimePoint()>;
    using Listener = std::function<void(const Event&)>;

    static constexpr uint64_t DEFAULT_MAX_BYTES = 10u * 1024u * 1024u;
    static constexpr size_t KEPT_EVENTS = 10000; // for the window

    struct Options {
        std::string folder; // empty: nothing on disk
        Level level = Level::Info;
        uint64_t maxBytes = DEFAULT_MAX_BYTES;
        Clock clock; // empty: the system clock
    };

    // The process's log: memory only until configured.
    static EventLog& Instance();

    EventLog() = default;
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    // Starts over with these options: the events kept are forgotten, the day file is
    // closed; the folder is made (owner only) and the oldest days past the bound go.
    void Configure(Options options);

    // Stamps, keeps, writes and passes on an event below the level asked for.
    void Note(Kind kind, Level level, const std::string& text);

    std::vector<Event> Recent() const;
    // Listeners are called on the thread that notes, after the event is kept.
    int Subscribe(Listener listener);
    void Unsubscribe(int id);

    std::string Folder() const;
    // The folder while events are saved in it; empty when none was given or it cannot
    // be used.
    std::string SavedFolder() const;
    // Where the `XDG_STATE_HOME` rule puts the log: $XDG_STATE_HOME/talvane, else
    // ~/.local/state/talvane; empty when neither is known.
    static std::string DefaultFolder();

private:
    void WriteLocked(const Event& event, std::vector<Event>& said);
    bool OpenDayLocked(TimePoint time, std::vector<Event>& said);
    // Removes the oldest day files but `keep` while the files pass the bound, and notes
    // the others left.
    void PruneLocked(const std::string& keep);
    void TroubleLocked(const std::string& what, int error, std::vector<Event>& said);
    void CloseLocked();
    TimePoint Now() const;
    void Deliver(const std::vector<Event>& events);

    mutable std::mutex mutex_;
    Options options_;
    std::deque<Event> kept_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 1;
    int fd_ = -1;
    std::string dayName_;     // of the open file
    uint64_t daySize_ = 0;    // bytes in it
    bool troubled_ = false;   // the folder failed once: said, and nothing more tried
    bool dayFull_ = false;
    // The day files other than the open one, oldest first, and their bytes.
    std::vector<std::pair<std::string, uint64_t>> olderDays_;
    uint64_t olderBytes_ = 0;
};

// Notes an event in the process's log.
inline void Note(Kind kind, const std::string& text, Level level = Level::Info) {
    EventLog::Instance().Note(kind, level, text);
}

} // namespace eventlog
