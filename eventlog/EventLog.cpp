#include "eventlog/EventLog.h"

#include "eventlog/CrashReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace eventlog {

namespace {

constexpr const char* KIND_NAMES[KIND_COUNT] = {"port", "status", "refused", "said",
                                                "file", "picture", "settings", "log"};
constexpr const char* LEVEL_NAMES[] = {"error", "warning", "info"};
constexpr mode_t FOLDER_MODE = 0700;
constexpr mode_t FILE_MODE = 0600;
constexpr const char* DAY_SUFFIX = ".log";
constexpr size_t DAY_NAME_LENGTH = 14; // "YYYY-MM-DD.log"
constexpr int KIND_COLUMN = 9;         // kind names padded to line the texts up
constexpr int MS_PER_SECOND = 1000;

std::tm LocalTime(TimePoint time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

// The name of a day file the log made: "YYYY-MM-DD.log" and nothing else, so a
// folder shared with anything else loses nothing else.
bool IsDayFile(const std::string& name) {
    if (name.size() != DAY_NAME_LENGTH || name.compare(10, 4, DAY_SUFFIX) != 0) return false;
    for (size_t i = 0; i < 10; ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? name[i] != '-' : (name[i] < '0' || name[i] > '9')) return false;
    }
    return true;
}

// mkdir -p, the folders made for the owner only.
int MakeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), FOLDER_MODE) != 0 && errno != EEXIST) return errno;
        if (slash == std::string::npos) break;
    }
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

} // namespace

const char* KindName(Kind kind) {
    return KIND_NAMES[static_cast<int>(kind)];
}

bool ParseLevel(const std::string& name, Level& level) {
    for (int i = 0; i <= static_cast<int>(Level::Info); ++i)
        if (name == LEVEL_NAMES[i]) {
            level = static_cast<Level>(i);
            return true;
        }
    return false;
}

std::string TimeText(TimePoint time) {
    const std::tm local = LocalTime(time);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch())
                        .count() % MS_PER_SECOND;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(ms < 0 ? ms + MS_PER_SECOND : ms));
    return text;
}

std::string DayFileName(TimePoint time) {
    return TimeText(time).substr(0, 10) + DAY_SUFFIX;
}

std::string FormatLine(const Event& event) {
    std::string text;
    text.reserve(event.text.size());
    for (size_t i = 0; i < event.text.size(); ++i) {
        const char c = event.text[i];
        if (c == '\r') continue;
        if (c == '\n') {
            if (i + 1 < event.text.size()) text += " / ";
            continue;
        }
        text += c;
    }
    std::string kind = KindName(event.kind);
    kind.resize(std::max<size_t>(kind.size(), KIND_COLUMN - 1), ' ');
    return TimeText(event.time) + ' ' + kind + ' ' + text;
}

EventLog& EventLog::Instance() {
    static EventLog log;
    return log;
}

EventLog::~EventLog() {
    CloseLocked();
}

std::string EventLog::DefaultFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    // An XDG variable that is not an absolute path is to be ignored.
    if (state && state[0] == '/') return std::string(state) + "/talvane";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/state/talvane";
    return {};
}

void EventLog::Configure(Options options) {
    std::vector<Event> said;
    {
        std::lock_guard lock(mutex_);
        CloseLocked();
        options_ = std::move(options);
        kept_.clear();
        troubled_ = false;
        dayFull_ = false;
        if (!options_.folder.empty()) {
            if (const int error = MakeFolders(options_.folder))
                TroubleLocked("cannot be made", error, said);
            else
                PruneLocked(DayFileName(Now()));
        }
    }
    Deliver(said);
}

TimePoint EventLog::Now() const {
    return options_.clock ? options_.clock() : std::chrono::system_clock::now();
}

void EventLog::Note(Kind kind, Level level, const std::string& text) {
    std::vector<Event> said;
    {
        std::lock_guard lock(mutex_);
        if (level > options_.level) return;
        Event event{Now(), kind, level, text};
        kept_.push_back(event);
        if (kept_.size() > KEPT_EVENTS) kept_.pop_front();
        said.push_back(event);
        WriteLocked(event, said);
    }
    Deliver(said);
}

void EventLog::WriteLocked(const Event& event, std::vector<Event>& said) {
    if (options_.folder.empty() || troubled_) return;
    if (DayFileName(event.time) != dayName_ && !OpenDayLocked(event.time, said)) return;
    if (dayFull_) return;
    // Another session of the same day appends to the same file.
    struct stat st{};
    if (::fstat(fd_, &st) == 0) daySize_ = static_cast<uint64_t>(st.st_size);
    const std::string line = FormatLine(event) + '\n';
    const std::string full =
        FormatLine({event.time, Kind::Log, Level::Warning,
                    "The day's event log is full; later events are shown, not saved"}) + '\n';
    // The files together stay under the bound at every line: the oldest days go first;
    // when only this day is left, its file stops growing, with a last line that says so
    // (room for it is kept).
    const uint64_t wanted = daySize_ + line.size() + full.size();
    while (wanted + olderBytes_ > options_.maxBytes && !olderDays_.empty()) {
        const auto& [name, size] = olderDays_.front();
        const std::string path = options_.folder + '/' + name;
        // A day that cannot be removed still counts.
        if (::unlink(path.c_str()) == 0 || errno == ENOENT) olderBytes_ -= size;
        olderDays_.erase(olderDays_.begin());
    }
    if (wanted + olderBytes_ > options_.maxBytes) {
        dayFull_ = true;
        if (daySize_ + full.size() + olderBytes_ <= options_.maxBytes &&
            ::write(fd_, full.data(), full.size()) > 0)
            daySize_ += full.size();
        return;
    }
    // One write per line: a crash loses at most the line being written.
    const ssize_t written = ::write(fd_, line.data(), line.size());
    if (written < 0) {
        TroubleLocked("cannot be written", errno, said);
        return;
    }
    daySize_ += static_cast<uint64_t>(written);
}

bool EventLog::OpenDayLocked(TimePoint time, std::vector<Event>& said) {
    CloseLocked();
    dayName_ = DayFileName(time);
    const std::string path = options_.folder + '/' + dayName_;
    fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, FILE_MODE);
    if (fd_ < 0) {
        TroubleLocked("cannot be written", errno, said);
        return false;
    }
    struct stat st{};
    daySize_ = ::fstat(fd_, &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
    dayFull_ = daySize_ >= options_.maxBytes;
    PruneLocked(dayName_);
    if (this == &Instance()) {
        const std::tm local = LocalTime(time);
        CrashReportFile(fd_, local.tm_gmtoff);
    }
    return true;
}

void EventLog::PruneLocked(const std::string& keep) {
    std::vector<std::pair<std::string, uint64_t>> days;
    if (DIR* dir = ::opendir(options_.folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            struct stat st{};
            if (!IsDayFile(name) || name == keep ||
                ::stat((options_.folder + '/' + name).c_str(), &st) != 0)
                continue;
            days.emplace_back(name, static_cast<uint64_t>(st.st_size));
        }
        ::closedir(dir);
    }
    // Names sort by date; the day being written is never removed.
    std::sort(days.begin(), days.end());
    struct stat st{};
    const uint64_t kept =
        ::stat((options_.folder + '/' + keep).c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
    olderBytes_ = 0;
    for (const auto& day : days) olderBytes_ += day.second;
    olderDays_.clear();
    for (const auto& [name, size] : days) {
        if (kept + olderBytes_ <= options_.maxBytes ||
            (::unlink((options_.folder + '/' + name).c_str()) != 0 && errno != ENOENT))
            olderDays_.emplace_back(name, size);
        else
            olderBytes_ -= size;
    }
}

void EventLog::TroubleLocked(const std::string& what, int error, std::vector<Event>& said) {
    CloseLocked();
    troubled_ = true;
    Event event{Now(), Kind::Log, Level::Warning,
                "The event log folder " + options_.folder + " " + what + " (" +
                    std::strerror(error) + "); events are shown here but not saved"};
    kept_.push_back(event);
    said.push_back(event);
}

void EventLog::CloseLocked() {
    if (fd_ >= 0 && this == &Instance()) CrashReportFile(-1, 0);
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    dayName_.clear();
    daySize_ = 0;
}

std::vector<Event> EventLog::Recent() const {
    std::lock_guard lock(mutex_);
    return {kept_.begin(), kept_.end()};
}

int EventLog::Subscribe(Listener listener) {
    std::lock_guard lock(mutex_);
    listeners_.emplace_back(nextListener_, std::move(listener));
    return nextListener_++;
}

void EventLog::Unsubscribe(int id) {
    std::lock_guard lock(mutex_);
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

std::string EventLog::Folder() const {
    std::lock_guard lock(mutex_);
    return options_.folder;
}

std::string EventLog::SavedFolder() const {
    std::lock_guard lock(mutex_);
    return troubled_ ? std::string() : options_.folder;
}

void EventLog::Deliver(const std::vector<Event>& events) {
    if (events.empty()) return;
    std::vector<Listener> listeners;
    {
        std::lock_guard lock(mutex_);
        for (const auto& l : listeners_) listeners.push_back(l.second);
    }
    for (const Event& event : events)
        for (const Listener& listener : listeners) listener(event);
}

} // namespace eventlog
