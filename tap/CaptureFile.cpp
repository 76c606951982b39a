#include "tap/CaptureFile.h"

#include "printer/HexText.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ctime>

namespace tap {

namespace {

constexpr int64_t MICROS_PER_SECOND = 1000000;
constexpr const char* HEX_DIGITS = "0123456789ABCDEFabcdef ";
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
    if (std::from_chars(end + 1, partEnd, part).ptr != partEnd || whole < 0 || part < 0) return false;
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
            if (rest.find_first_not_of(HEX_DIGITS) != std::string_view::npos) {
                result.ok = false;
                result.badLine = number;
                result.events.clear();
                return result;
            }
            event.bytes = FromHexText(std::string(rest));
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

bool CaptureWriter::Open(const std::string& path, const std::vector<std::string>& comments,
                         std::string& error) {
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    std::fprintf(file_, "%s\n", CAPTURE_MAGIC);
    for (const std::string& c : comments) std::fprintf(file_, "# %s\n", c.c_str());
    return true;
}

void CaptureWriter::Write(const CaptureEvent& event) {
    if (file_ == nullptr) return;
    const std::string line = CaptureLine(event);
    std::fwrite(line.data(), 1, line.size(), file_);
}

bool CaptureWriter::Close() {
    if (file_ == nullptr) return true;
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

} // namespace tap
