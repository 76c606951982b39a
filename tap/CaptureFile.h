#pragma once
// The capture file: a session kept as text, both directions with their times and the
// line settings, so `talvane-cli decode` can show it again and `send` can replay the
// program's side. One event a line:
//
//   # talvane tap capture 1          first line, names the format
//   # started 2026-12-08T10:42:07.123456Z   when the session began (UTC)
//   # line 9600 8N1 none              the printer line's settings at the start
//   # program: pty /tmp/ttyPOS ...    other lines starting with # are comments
//   L 0.000000 9600 8N1 none          line settings the program set
//   > 0.000125 1B 40 1B 61 01         bytes from the program to the printer (hex)
//   < 0.002300 14                     bytes from the printer to the program
//   ! 1.250000 program closed the port    a note about the ends
//
// Times are seconds since the session began, to the microsecond. The "started" and
// "line" header lines are absent from captures made before they were kept (and
// "line" where the printer's side has no line settings); readers do without them.
// A line whose bytes are not whole hex pairs ("> 0.2 1B 4") or whose time does not fit
// makes the whole file refused, by its line number.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tap {

inline constexpr const char* CAPTURE_MAGIC = "# talvane tap capture 1";

struct CaptureEvent {
    char kind = '>'; // '>', '<', '!', 'L'
    int64_t atUs = 0;
    std::vector<uint8_t> bytes; // for '>' and '<'
    std::string text;           // for '!' and 'L'
};

using WallClock = std::chrono::system_clock;

struct CaptureRead {
    bool ok = true;
    size_t badLine = 0; // 1-based, the first line that is not a capture line
    std::vector<CaptureEvent> events;
    std::optional<WallClock::time_point> started; // from the header, when it has one
    std::string line;                             // the header's line settings, or empty
};

// The header's lines (without "# " and the line break): "started 2026-...Z", "line ...".
std::string CaptureStartedHeader(WallClock::time_point started);
std::string CaptureLineHeader(const std::string& settings);

bool IsCapture(std::string_view content);
CaptureRead ReadCapture(std::string_view content);
// One line of the file, with its line break.
std::string CaptureLine(const CaptureEvent& event);

class CaptureWriter {
public:
    CaptureWriter() = default;
    ~CaptureWriter();
    CaptureWriter(const CaptureWriter&) = delete;
    CaptureWriter& operator=(const CaptureWriter&) = delete;

    bool Open(const std::string& path, const std::vector<std::string>& comments, std::string& error);
    // False once a write has failed: the file is cut there and nothing more is written.
    bool Write(const CaptureEvent& event);
    // False when a write, the last flush or the close failed (Failure says why).
    bool Close();
    bool IsOpen() const { return file_ != nullptr; }
    // Why the file is not whole ("cannot write PATH: No space left on device"); empty
    // while every write has gone in.
    const std::string& Failure() const { return failure_; }

private:
    bool Put(const std::string& text);
    void Fail(); // keeps the first failure, from errno

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string failure_;
};

} // namespace tap
