#include "tap/Conversation.h"

#include "printer/HexText.h"

#include <cstring>

namespace tap {

namespace {

constexpr uint8_t DLE = 0x10;
constexpr uint8_t EOT = 0x04;
constexpr uint8_t GS = 0x1D;
constexpr uint8_t TRANSMIT_STATUS = 'r';
constexpr size_t REQUEST_LENGTH = 3;
constexpr const char* PAPER_END_BIT = "paper end";

const char* const ALERT_NAMES[ALERT_KINDS] = {"unknown command", "cut off", "no answer",
                                              "sent while held"};

// DLE EOT n and GS r n: requests the printer answers.
bool IsStatusRequest(const std::vector<uint8_t>& piece) {
    if (piece.size() != REQUEST_LENGTH) return false;
    return (piece[0] == DLE && piece[1] == EOT) || (piece[0] == GS && piece[1] == TRANSMIT_STATUS);
}

int64_t Micros(Clock::duration d) {
    return std::chrono::duration_cast<std::chrono::microseconds>(d).count();
}

} // namespace

const char* AlertName(Alert a) {
    return ALERT_NAMES[static_cast<size_t>(a)];
}

std::string Totals::Line() const {
    std::string line = "summary: " + std::to_string(toPrinterBytes) + " bytes to the printer in " +
                       std::to_string(commands) + " commands, " + std::to_string(toProgramBytes) +
                       " bytes back in " + std::to_string(replies) + " replies; alerts:";
    for (size_t i = 0; i < ALERT_KINDS; ++i)
        line += std::string(i == 0 ? " " : ", ") + std::to_string(alerts[i]) + " " + ALERT_NAMES[i];
    if (notDeliveredToPrinter > 0)
        line += "; " + std::to_string(notDeliveredToPrinter) + " bytes were not delivered to the printer";
    if (notDeliveredToProgram > 0)
        line += "; " + std::to_string(notDeliveredToProgram) + " bytes were not delivered to the program";
    return line;
}

Conversation::Conversation(Sink sink, Clock::time_point start)
    : sink_(std::move(sink)), start_(start), lastRow_(start), lastProgramByte_(start) {}

void Conversation::Emit(Direction direction, std::vector<uint8_t> bytes, std::string text,
                       uint32_t alerts, Clock::time_point at) {
    Row row;
    row.number = ++rows_;
    row.atUs = Micros(at - start_);
    row.gapUs = Micros(at - lastRow_);
    if (wallStart_)
        row.wall = *wallStart_ + std::chrono::duration_cast<std::chrono::system_clock::duration>(at - start_);
    else
        row.wall = std::chrono::system_clock::now() -
                   std::chrono::duration_cast<std::chrono::system_clock::duration>(Clock::now() - at);
    row.direction = direction;
    row.bytes = std::move(bytes);
    row.text = std::move(text);
    row.alerts = alerts;
    for (size_t i = 0; i < ALERT_KINDS; ++i)
        if ((alerts & (1u << i)) != 0) ++totals_.alerts[i];
    lastRow_ = at;
    totals_.durationUs = row.atUs;
    if (sink_) sink_(row);
}

void Conversation::ProgramPiece(std::vector<uint8_t>&& piece, Clock::time_point at) {
    if (splitter_.PieceContinues()) {
        // A long command's next part: its first part made the row that named it.
        const std::string text = "(" + std::to_string(piece.size()) + " more bytes of the command above)";
        Emit(Direction::ToPrinter, std::move(piece), text, PrinterHolds() ? AlertBit(Alert::SentWhileHeld) : 0, at);
        return;
    }
    uint32_t alerts = 0;
    if (!IsTextPiece(piece) && !vprinter::Interpreter::KnowsCommand(piece.data(), piece.size()))
        alerts |= AlertBit(Alert::UnknownCommand);
    // A command the printer knows but will not carry out (a code page it has not, a
    // barcode with a wrong check digit) is flagged like an unknown one, its row saying why.
    const std::string refusal =
        IsTextPiece(piece) ? std::string()
                           : vprinter::Interpreter::CommandRefusal(piece.data(), piece.size());
    if (!refusal.empty()) alerts |= AlertBit(Alert::UnknownCommand);
    if (PrinterHolds()) alerts |= AlertBit(Alert::SentWhileHeld);
    const bool request = IsStatusRequest(piece);
    if (request) replies_.NoteSent(piece.data(), piece.size());
    ++totals_.commands;
    std::string text = decoder_.Text(piece);
    if (!refusal.empty()) text += " (" + refusal + ")";
    Emit(Direction::ToPrinter, std::move(piece), std::move(text), alerts, at);
    if (request) waiting_.push_back({rows_, at});
}

void Conversation::FromProgram(const uint8_t* data, size_t length, Clock::time_point at) {
    totals_.toPrinterBytes += length;
    lastProgramByte_ = at;
    splitter_.Feed(data, length,
                   [&](std::vector<uint8_t>&& piece) { ProgramPiece(std::move(piece), at); });
}

void Conversation::NoteReply(const DecodedReply& reply) {
    if (!reply.IsAnswer()) return;
    if (!waiting_.empty()) waiting_.pop_front();
    if (reply.layout == nullptr || reply.bytes.empty()) return;
    for (size_t i = 0; i < reply.layout->bitCount; ++i) {
        const ReplyBit& bit = reply.layout->bits[i];
        if (std::strcmp(bit.name, PAPER_END_BIT) == 0)
            paperEnd_ = (reply.bytes.front() & bit.mask) != 0;
    }
}

void Conversation::FromPrinter(const uint8_t* data, size_t length, Clock::time_point at) {
    totals_.toProgramBytes += length;
    for (size_t i = 0; i < length; ++i) {
        const uint8_t b = data[i];
        if (const std::optional<bool> hold = flow_.Feed(b)) {
            xoff_ = *hold;
            Emit(Direction::ToProgram, {b}, xoff_ ? "XOFF (printer holds back)" : "XON (printer takes data)",
                 0, at);
            continue;
        }
        if (!replies_.Feed(b, reply_)) continue;
        ++totals_.replies;
        NoteReply(reply_);
        if (reply_.kind == ReplyKind::Ignored && FlowControlWords(b) != nullptr && !flow_.LineUsesIt())
            reply_.words = "no flow control: the line does not use XON/XOFF";
        Emit(Direction::ToProgram, reply_.bytes, reply_.words.empty() ? reply_.title
                                                                      : reply_.words + " (" + reply_.title + ")",
             0, at);
    }
}

void Conversation::Note(const std::string& text, Clock::time_point at) {
    Emit(Direction::Note, {}, text, 0, at);
}

void Conversation::ProgramEnded(const std::string& text, Clock::time_point at) {
    const auto emit = [&](std::vector<uint8_t>&& piece) { ProgramPiece(std::move(piece), at); };
    splitter_.FlushText(emit);
    if (splitter_.HasUnfinished()) {
        std::vector<uint8_t> tail = splitter_.TakeUnfinished();
        ++totals_.commands;
        std::string text = decoder_.Text(tail) + " (unfinished)";
        Emit(Direction::ToPrinter, std::move(tail), std::move(text),
             AlertBit(Alert::CutOff), at);
    }
    Note(text, at);
}

void Conversation::Skipped(const std::string& text, Clock::time_point at) {
    splitter_.FlushText([&](std::vector<uint8_t>&& piece) { ProgramPiece(std::move(piece), at); });
    splitter_.TakeUnfinished();
    Note(text, at);
}

void Conversation::PrinterBack(const std::string& text, Clock::time_point at) {
    xoff_ = false;
    paperEnd_ = false;
    flow_.Restart();
    replies_.Reset();
    Note(text, at);
}

void Conversation::Tick(Clock::time_point at) {
    if (at - lastProgramByte_ >= TEXT_SETTLE)
        splitter_.FlushText([&](std::vector<uint8_t>&& piece) { ProgramPiece(std::move(piece), at); });
    while (!waiting_.empty() && at - waiting_.front().since >= ANSWER_LIMIT) {
        Emit(Direction::Note, {},
             "no answer within " + std::to_string(ANSWER_LIMIT.count()) + " ms to the request of row " +
                 std::to_string(waiting_.front().row),
             AlertBit(Alert::Unanswered), at);
        waiting_.pop_front();
        // The printer did not answer: its late bytes are not taken as that answer.
        if (waiting_.empty() && !replies_.IsCollecting()) replies_.Reset();
    }
}

void Conversation::Finish(Clock::time_point at) {
    ProgramEnded(NOTE_SESSION_ENDED, at);
    // Requests still waiting at the end have had no answer.
    while (!waiting_.empty()) {
        if (at - waiting_.front().since < ANSWER_LIMIT) {
            waiting_.pop_front();
            continue;
        }
        Tick(at);
    }
}

} // namespace tap
