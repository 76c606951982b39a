#include "tap/CaptureFile.h"

#include "console/RecordDecoder.h"
#include "printer/HexText.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ctime>
#include <limits>

namespace tap {

namespace {

constexpr int64_t MICROS_PER_SECOND = 1000000;
// The most whole seconds a time may hold: its microseconds still fit the event's time.
constexpr int64_t MAX_WHOLE_SECONDS = std::numeric_limits<int64_t>::max() / MICROS_PER_SECOND - 1;
constexpr std::string_view STARTED_KEY = "# started ";
constexpr std::string_view LINE_KEY = "# line ";
// 2026-12-08T10:42:07.123456Z
constexpr const char* STARTED_FORMAT = "%04d-%02d-%02dT%02d:%02d:%02d.%06lldZ";
constexpr int STARTED_FIELDS = 7;
constexpr int TM_YEAR_BASE = 1900;

std::string Seconds(int64_t us) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(us / MICROS_PER_SECOND),
                  static_cast<long long>(us % MICROS_PER_SECOND));
    return text;
}

// "12.000250" as microseconds; false for anything else.
bool ParseSeconds(std::string_view text, int64_t& us) {
    const size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0 || text.size() - dot - 1 != 6) return false;
    int64_t whole = 0;
    int64_t part = 0;
    const char* end = text.data() + dot;
    if (std::from_chars(text.data(), end, whole).ptr != end) return false;
    const char* partEnd = text.data() + text.size();
    if (std::from_chars(end + 1, partEnd, part).ptr != partEnd || whole < 0 || part < 0 ||
        whole > MAX_WHOLE_SECONDS)
        return false;
    us = whole * MICROS_PER_SECOND + part;
    return true;
}

bool ParseStarted(std::string_view text, WallClock::time_point& at) {
    const std::string value(text);
    std::tm t{};
    long long micros = -1;
    char zone = 0;
    if (std::sscanf(value.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d.%6lld%c", &t.tm_year, &t.tm_mon,
                    &t.tm_mday, &t.tm_hour, &t.tm_min, &t.tm_sec, &micros, &zone) != STARTED_FIELDS + 1 ||
        zone != 'Z' || micros < 0)
        return false;
    t.tm_year -= TM_YEAR_BASE;
    t.tm_mon -= 1;
    const std::time_t seconds = timegm(&t);
    if (seconds == static_cast<std::time_t>(-1)) return false;
    at = WallClock::from_time_t(seconds) + std::chrono::microseconds(micros);
    return true;
}

} // namespace

std::string CaptureStartedHeader(WallClock::time_point started) {
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(started.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(us / MICROS_PER_SECOND);
    std::tm t{};
    gmtime_r(&seconds, &t);
    char text[64];
    std::snprintf(text, sizeof text, STARTED_FORMAT, t.tm_year + TM_YEAR_BASE, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, static_cast<long long>(us % MICROS_PER_SECOND));
    return std::string(STARTED_KEY.substr(2)) + text;
}

std::string CaptureLineHeader(const std::string& settings) {
    return std::string(LINE_KEY.substr(2)) + settings;
}

bool IsCapture(std::string_view content) {
    return content.substr(0, std::strlen(CAPTURE_MAGIC)) == CAPTURE_MAGIC;
}

std::string CaptureLine(const CaptureEvent& event) {
    std::string line(1, event.kind);
    line += ' ' + Seconds(event.atUs) + ' ';
    if (event.kind == '>' || event.kind == '<') {
        std::string hex = ToHexText(event.bytes.data(), event.bytes.size());
        while (!hex.empty() && hex.back() == ' ') hex.pop_back();
        line += hex;
    } else {
        // A note is one line: a line break in it would start a bogus event.
        for (const char c : event.text) line += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return line + '\n';
}

CaptureRead ReadCapture(std::string_view content) {
    CaptureRead result;
    size_t number = 0;
    while (!content.empty()) {
        const size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.substr(0, STARTED_KEY.size()) == STARTED_KEY) {
            WallClock::time_point at;
            if (ParseStarted(line.substr(STARTED_KEY.size()), at)) result.started = at;
            continue;
        }
        if (line.substr(0, LINE_KEY.size()) == LINE_KEY) {
            result.line = std::string(line.substr(LINE_KEY.size()));
            continue;
        }
        if (line.empty() || line.front() == '#') continue;
        CaptureEvent event;
        const size_t space = line.find(' ', 2);
        const bool shaped = line.size() >= 2 && line[1] == ' ' &&
                            std::strchr("<>!L", line[0]) != nullptr;
        const std::string_view time = shaped ? line.substr(2, space == std::string_view::npos
                                                                   ? std::string_view::npos
                                                                   : space - 2)
                                             : std::string_view();
        const std::string_view rest =
            space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        if (!shaped || !ParseSeconds(time, event.atUs)) {
            result.ok = false;
            result.badLine = number;
            result.events.clear();
            return result;
        }
        event.kind = line[0];
        if (event.kind == '>' || event.kind == '<') {
            // The records' one reader of hex text: "1B 4" names no byte for certain.
            std::optional<std::vector<uint8_t>> bytes = records::RecordBytes(rest);
            if (!bytes || rest.find_first_of("\r\n") != std::string_view::npos) {
                result.ok = false;
                result.badLine = number;
                result.events.clear();
                return result;
            }
            event.bytes = std::move(*bytes);
        } else {
            event.text = std::string(rest);
        }
        result.events.push_back(std::move(event));
    }
    return result;
}

CaptureWriter::~CaptureWriter() {
    Close();
}

void CaptureWriter::Fail() {
    if (failure_.empty()) failure_ = "cannot write " + path_ + ": " + std::strerror(errno);
}

bool CaptureWriter::Put(const std::string& text) {
    if (file_ == nullptr || !failure_.empty()) return false;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
        Fail();
        return false;
    }
    return true;
}

bool CaptureWriter::Open(const std::string& path, const std::vector<std::string>& comments,
                         std::string& error) {
    Close();
    path_ = path;
    failure_.clear();
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    bool written = Put(std::string(CAPTURE_MAGIC) + "\n");
    for (const std::string& c : comments) written = written && Put("# " + c + "\n");
    if (!written) {
        error = failure_;
        Close();
        return false;
    }
    return true;
}

bool CaptureWriter::Write(const CaptureEvent& event) {
    return Put(CaptureLine(event));
}

bool CaptureWriter::Close() {
    if (file_ == nullptr) return failure_.empty();
    // The buffered end and the close fail as a write does (a full disk shows here).
    if (std::fflush(file_) != 0) Fail();
    if (std::fclose(file_) != 0) Fail();
    file_ = nullptr;
    return failure_.empty();
}

} // namespace tap
