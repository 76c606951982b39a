#pragma once
// What went over the wire, as rows: every command from the program (its name and
// parameters as `talvane-cli decode` names them), every reply from the printer in
// words, notes about the ends, and the alerts: a command the printer does not know,
// a command cut off by the end of a connection, a status request left unanswered,
// a program that sends while the printer holds back. Not thread-safe: the session
// feeds it under its own lock.

#include "printer/ReplyDecoder.h"
#include "tap/CommandDecode.h"
#include "tap/FlowControl.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tap {

using Clock = std::chrono::steady_clock;

// The notes a capture keeps for the ends, read back by the capture's decoding.
inline constexpr const char* NOTE_PROGRAM_GONE = "the program went away";
inline constexpr const char* NOTE_SESSION_ENDED = "session ended";
// The start of the note of a printer opened again (it starts un-held).
inline constexpr const char* NOTE_PRINTER_BACK = "the printer is back";

enum class Direction { ToPrinter, ToProgram, Note };

enum class Alert : uint32_t {
    UnknownCommand = 0,
    CutOff,
    Unanswered,
    SentWhileHeld,
};
inline constexpr size_t ALERT_KINDS = 4;
inline constexpr uint32_t AlertBit(Alert a) {
    return 1u << static_cast<uint32_t>(a);
}
// "unknown command", "cut off", "no answer", "sent while held"
const char* AlertName(Alert a);

struct Row {
    uint64_t number = 0;
    int64_t atUs = 0;  // since the session began
    int64_t gapUs = 0; // since the previous row
    std::chrono::system_clock::time_point wall;
    Direction direction = Direction::Note;
    std::vector<uint8_t> bytes;
    std::string text; // the command's decoding, the reply's words, or the note
    uint32_t alerts = 0;
};

struct Totals {
    // In a session: the bytes each end took; in a capture's decoding: those it holds.
    uint64_t toPrinterBytes = 0;
    uint64_t toProgramBytes = 0;
    // Read from one end and never taken by the other when the session ended.
    uint64_t notDeliveredToPrinter = 0;
    uint64_t notDeliveredToProgram = 0;
    uint64_t commands = 0;
    uint64_t replies = 0;
    std::array<uint64_t, ALERT_KINDS> alerts{};
    int64_t durationUs = 0;
    uint64_t undecodedBytes = 0; // of the bytes above, those that passed undecoded
    // "summary: 1200 bytes to the printer in 40 commands, 3 bytes back in 3 replies;
    // alerts: 1 unknown command, ..." and, when some were not, "; 80 bytes were not
    // delivered to the printer".
    std::string Line() const;
};

class Conversation {
public:
    // A status request without an answer for this long is marked.
    static constexpr auto ANSWER_LIMIT = std::chrono::milliseconds(500);
    // A text run is shown once nothing more has come for this long.
    static constexpr auto TEXT_SETTLE = std::chrono::milliseconds(50);

    using Sink = std::function<void(const Row&)>;
    Conversation(Sink sink, Clock::time_point start);
    // Rows are timed from this wall-clock moment of `start` (a capture's "started"),
    // not from the clock at the time they are made.
    void SetWallStart(std::chrono::system_clock::time_point wall) { wallStart_ = wall; }

    void FromProgram(const uint8_t* data, size_t length, Clock::time_point at);
    void FromPrinter(const uint8_t* data, size_t length, Clock::time_point at);
    void Note(const std::string& text, Clock::time_point at);
    // The program's connection ended: an unfinished command is cut off.
    void ProgramEnded(const std::string& text, Clock::time_point at);
    // Bytes went by undecoded: the command under way is dropped, the gap said.
    void Skipped(const std::string& text, Clock::time_point at);
    // The printer's end was opened again: it starts un-held, and no reply of the old
    // one goes on.
    void PrinterBack(const std::string& text, Clock::time_point at);
    // Whether the line uses XON/XOFF (until told: it does).
    void SetLineUsesXonXoff(bool on) { flow_.SetLineUsesIt(on); }
    // Shows a settled text run and marks requests that have waited too long.
    void Tick(Clock::time_point at);
    void Finish(Clock::time_point at);

    // The printer has said XOFF (and not XON since) or reported paper end.
    bool PrinterHolds() const { return xoff_ || paperEnd_; }
    bool PrinterSaidXoff() const { return xoff_; }
    const Totals& Summary() const { return totals_; }

private:
    void Emit(Direction direction, std::vector<uint8_t> bytes, std::string text, uint32_t alerts,
              Clock::time_point at);
    void ProgramPiece(std::vector<uint8_t>&& piece, Clock::time_point at);
    void NoteReply(const DecodedReply& reply);

    struct Waiting {
        uint64_t row;
        Clock::time_point since;
    };

    Sink sink_;
    Clock::time_point start_;
    std::optional<std::chrono::system_clock::time_point> wallStart_;
    Clock::time_point lastRow_;
    Clock::time_point lastProgramByte_;
    uint64_t rows_ = 0;
    CommandSplitter splitter_;
    PieceDecoder decoder_;
    ReplyDecoder replies_;
    FlowControl flow_;
    DecodedReply reply_;
    std::deque<Waiting> waiting_;
    bool xoff_ = false;
    bool paperEnd_ = false;
    Totals totals_;
};

} // namespace tap
