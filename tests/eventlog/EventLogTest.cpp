// The event log on disk: one file per local day started at midnight by the clock it
// is given, whole lines with milliseconds, the size bound kept at every line by removing
// the oldest days (never the day being written), the level asked for, and a folder that cannot be
// used said once while the events are still kept for the window.
#include "eventlog/EventLog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using eventlog::EventLog;
using eventlog::Kind;
using eventlog::Level;

namespace {

// A local time as the clock's reading, whatever the time zone.
eventlog::TimePoint LocalAt(int year, int month, int day, int hour, int minute, int second, int ms) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t)) + std::chrono::milliseconds(ms);
}

struct TestClock {
    std::atomic<int64_t> ms{0};
    void Set(eventlog::TimePoint t) {
        ms = std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count();
    }
    EventLog::Clock Reader() {
        return [this] { return eventlog::TimePoint(std::chrono::milliseconds(ms.load())); };
    }
};

struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "talvane-log-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
};

std::vector<std::string> LinesOf(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> DayFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(EventLogFiles, EachDayHasItsFileAndEachLineItsMillisecond) {
    TempFolder tmp;
    TestClock clock;
    EventLog log;
    const fs::path folder = tmp.path / "state" / "talvane";
    log.Configure({folder.string(), Level::Info, EventLog::DEFAULT_MAX_BYTES, clock.Reader()});
    clock.Set(LocalAt(2026, 12, 8, 23, 59, 59, 250));
    log.Note(Kind::Port, Level::Info, "COM901 opened at 9600 baud");
    clock.Set(LocalAt(2026, 12, 8, 23, 59, 59, 999));
    log.Note(Kind::Said, Level::Info, "Open the serial port error\nBusy");
    clock.Set(LocalAt(2026, 12, 9, 0, 0, 0, 7));
    log.Note(Kind::Status, Level::Warning, "Paper-end lamp on (status byte)");

    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(DayFiles(folder), (std::vector<std::string>{"2026-12-08.log", "2026-12-09.log"}));
    EXPECT_EQ(LinesOf(folder / "2026-12-08.log"),
              (std::vector<std::string>{
                  "2026-12-08 23:59:59.250 port     COM901 opened at 9600 baud",
                  "2026-12-08 23:59:59.999 said     Open the serial port error / Busy"}));
    EXPECT_EQ(LinesOf(folder / "2026-12-09.log"),
              (std::vector<std::string>{"2026-12-09 00:00:00.007 status   Paper-end lamp on (status byte)"}));
    // The window sees the same events, oldest first.
    const auto recent = log.Recent();
    ASSERT_EQ(recent.size(), 3u);
    EXPECT_EQ(recent.back().text, "Paper-end lamp on (status byte)");

    // A later session of the same day appends to that day's file.
    EventLog again;
    again.Configure({folder.string(), Level::Info, EventLog::DEFAULT_MAX_BYTES, clock.Reader()});
    again.Note(Kind::Settings, Level::Info, "Settings restored");
    EXPECT_EQ(LinesOf(folder / "2026-12-09.log").size(), 2u);
}

TEST(EventLogFiles, TheSizeBoundHoldsAtEveryLineAndTheOldestDaysGoFirst) {
    TempFolder tmp;
    TestClock clock;
    const std::string line(100, 'x');
    constexpr uint64_t BOUND = 1000; // about seven lines
    // The day files together, after every line: never past the bound.
    const auto total = [&] {
        uint64_t bytes = 0;
        for (const auto& name : DayFiles(tmp.path))
            if (name != "notes.txt") bytes += fs::file_size(tmp.path / name);
        return bytes;
    };
    EventLog log;
    log.Configure({tmp.path.string(), Level::Info, BOUND, clock.Reader()});
    // Something of another program in the folder is never touched.
    std::ofstream(tmp.path / "notes.txt") << std::string(5000, 'n');
    for (int day = 1; day <= 6; ++day) {
        clock.Set(LocalAt(2026, 11, day, 12, 0, 0, 0));
        for (int i = 0; i < 3; ++i) {
            log.Note(Kind::Port, Level::Info, line);
            ASSERT_LE(total(), BOUND) << "day " << day << ", line " << i;
        }
    }
    auto files = DayFiles(tmp.path);
    ASSERT_GE(files.size(), 3u); // the newest days stay
    EXPECT_EQ(files.back(), "notes.txt");
    EXPECT_EQ(files[files.size() - 2], "2026-11-06.log");
    EXPECT_EQ(files[files.size() - 3], "2026-11-05.log");
    EXPECT_NE(files.front(), "2026-11-01.log");

    // The day grows: the older days go one by one, oldest first, and the bound holds.
    for (int i = 0; i < 20; ++i) {
        log.Note(Kind::Port, Level::Info, line);
        ASSERT_LE(total(), BOUND) << "line " << i;
    }
    // Alone at the bound, the day stops growing and says so in its last line.
    EXPECT_EQ(DayFiles(tmp.path), (std::vector<std::string>{"2026-11-06.log", "notes.txt"}));
    const auto last = LinesOf(tmp.path / "2026-11-06.log");
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.back().find("full"), std::string::npos) << last.back();
    EXPECT_EQ(log.Recent().size(), 18u + 20u); // the window still has every event

    // A day nearly full when the next one starts (a session over midnight): the next
    // day's lines push it out rather than pass the bound.
    clock.Set(LocalAt(2026, 11, 7, 0, 0, 0, 1));
    for (int i = 0; i < 5; ++i) {
        log.Note(Kind::Port, Level::Info, line);
        ASSERT_LE(total(), BOUND) << "line " << i;
    }
    EXPECT_EQ(DayFiles(tmp.path), (std::vector<std::string>{"2026-11-07.log", "notes.txt"}));
    EXPECT_EQ(LinesOf(tmp.path / "2026-11-07.log").size(), 5u);
}

TEST(EventLogFiles, LevelsAndAFolderThatCannotBeUsed) {
    TempFolder tmp;
    EventLog log;
    log.Configure({(tmp.path / "a").string(), Level::Warning, EventLog::DEFAULT_MAX_BYTES, {}});
    log.Note(Kind::Port, Level::Info, "COM901 opened");
    log.Note(Kind::Port, Level::Error, "COM901 lost");
    log.Note(Kind::Status, Level::Warning, "No answer from the printer");
    ASSERT_EQ(log.Recent().size(), 2u);
    EXPECT_EQ(log.Recent().front().text, "COM901 lost");

    // A file where the folder should be: even root cannot make a folder under it.
    std::ofstream(tmp.path / "plain") << "x";
    std::vector<std::string> heard;
    EventLog blocked;
    blocked.Subscribe([&](const eventlog::Event& e) { heard.push_back(e.text); });
    blocked.Configure({(tmp.path / "plain" / "talvane").string(), Level::Info,
                       EventLog::DEFAULT_MAX_BYTES, {}});
    for (int i = 0; i < 5; ++i) blocked.Note(Kind::Said, Level::Info, "Please Open the Port");
    ASSERT_EQ(heard.size(), 6u);
    EXPECT_NE(heard.front().find("cannot be made"), std::string::npos) << heard.front();
    int said = 0;
    for (const auto& e : blocked.Recent()) said += e.kind == Kind::Log;
    EXPECT_EQ(said, 1);
    EXPECT_EQ(blocked.Recent().size(), 6u);
}

TEST(EventLogFiles, TheStateFolderFollowsXdgStateHome) {
    const char* oldState = std::getenv("XDG_STATE_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string keptState = oldState ? oldState : "", keptHome = oldHome ? oldHome : "";
    ::setenv("XDG_STATE_HOME", "/tmp/state-here", 1);
    EXPECT_EQ(EventLog::DefaultFolder(), "/tmp/state-here/talvane");
    ::setenv("XDG_STATE_HOME", "relative/ignored", 1);
    ::setenv("HOME", "/home/tech", 1);
    EXPECT_EQ(EventLog::DefaultFolder(), "/home/tech/.local/state/talvane");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(EventLog::DefaultFolder(), "/home/tech/.local/state/talvane");
    oldState ? ::setenv("XDG_STATE_HOME", keptState.c_str(), 1) : ::unsetenv("XDG_STATE_HOME");
    oldHome ? ::setenv("HOME", keptHome.c_str(), 1) : ::unsetenv("HOME");

    eventlog::Level level;
    EXPECT_TRUE(eventlog::ParseLevel("warning", level));
    EXPECT_EQ(level, Level::Warning);
    EXPECT_FALSE(eventlog::ParseLevel("verbose", level));
}
