#include "tap/CommandDecode.h"

#include "console/RecordDecoder.h"
#include "emulator/CodePages.h"
#include "printer/CommandLayouts.h"
#include "printer/HexText.h"

#include <algorithm>

namespace tap {

namespace {

using vprinter::Interpreter;
namespace lengths = vprinter::lengths;

constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr uint8_t DELETE = 0x7F;
constexpr uint8_t DLE = 0x10;
constexpr uint8_t ESC = 0x1B;
constexpr uint8_t FS = 0x1C;
constexpr uint8_t GS = 0x1D;
// An unknown command after an introducer: the printer skips it and its function byte.
constexpr size_t UNKNOWN_INTRODUCED = 2;
constexpr size_t UNKNOWN_CONTROL = 1;
constexpr size_t RASTER_HEADER_SIZE = 8;
constexpr size_t RASTER_SIZE_AT = 4;
constexpr size_t STALLED_LOOK = 16;
// A hex text line's blank between the bytes and the comment.
constexpr const char* COMMENT = "  // ";
constexpr uint8_t HIGH_HALF = 0x80;
constexpr uint8_t END_OF_TEXT = 0x00; // a record's text is shown up to it
// ESC t n chooses the code page; ESC @ goes back to the first.
constexpr uint8_t SELECT_PAGE = 't';
constexpr size_t SELECT_PAGE_LENGTH = 3;
constexpr uint8_t INITIALIZE = '@';
constexpr size_t INITIALIZE_LENGTH = 2;
// UTF-8: the largest character of one, two and three bytes, and the lead bytes.
constexpr uint32_t UTF8_ONE = 0x7F;
constexpr uint32_t UTF8_TWO = 0x7FF;
constexpr uint32_t UTF8_THREE = 0xFFFF;
constexpr uint8_t UTF8_LEAD_TWO = 0xC0;
constexpr uint8_t UTF8_LEAD_THREE = 0xE0;
constexpr uint8_t UTF8_LEAD_FOUR = 0xF0;
constexpr uint8_t UTF8_FOLLOW = 0x80;
constexpr uint32_t UTF8_FOLLOW_BITS = 0x3F;
constexpr int UTF8_FOLLOW_SHIFT = 6;

// What the printer prints as text rather than reads as a command (the high half is
// its code page's characters, or two-byte characters).
bool IsText(uint8_t b) {
    return b >= FIRST_PRINTABLE && b != DELETE;
}

bool IsIntroducer(uint8_t b) {
    return b == ESC || b == FS || b == GS || b == DLE;
}

// The raster command carries its image after the header, which says how long it is.
bool IsRasterHeader(const Interpreter::CommandEntry* entry) {
    static const CommandBytes header = layout::RasterImageHeader(0, 0, 0, 0, 0);
    const uint8_t* bytes = header.data();
    return entry->prefix == bytes[0] && entry->code == bytes[1] && entry->sub == bytes[2];
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void AppendEscaped(std::string& out, uint8_t b) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", b);
    out += escaped;
}

void AppendUtf8(std::string& out, uint32_t c) {
    if (c <= UTF8_ONE) {
        out += static_cast<char>(c);
        return;
    }
    if (c <= UTF8_TWO) {
        out += static_cast<char>(UTF8_LEAD_TWO | (c >> UTF8_FOLLOW_SHIFT));
    } else if (c <= UTF8_THREE) {
        out += static_cast<char>(UTF8_LEAD_THREE | (c >> (2 * UTF8_FOLLOW_SHIFT)));
        out += static_cast<char>(UTF8_FOLLOW | ((c >> UTF8_FOLLOW_SHIFT) & UTF8_FOLLOW_BITS));
        out += static_cast<char>(UTF8_FOLLOW | (c & UTF8_FOLLOW_BITS));
        return;
    } else {
        out += static_cast<char>(UTF8_LEAD_FOUR | (c >> (3 * UTF8_FOLLOW_SHIFT)));
        out += static_cast<char>(UTF8_FOLLOW | ((c >> (2 * UTF8_FOLLOW_SHIFT)) & UTF8_FOLLOW_BITS));
        out += static_cast<char>(UTF8_FOLLOW | ((c >> UTF8_FOLLOW_SHIFT) & UTF8_FOLLOW_BITS));
    }
    out += static_cast<char>(UTF8_FOLLOW | (c & UTF8_FOLLOW_BITS));
}

// A command's decoding names it in ASCII; a byte beyond (an unknown command's letter)
// is escaped.
std::string AsciiOnly(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<uint8_t>(c);
        if (b < FIRST_PRINTABLE || b >= DELETE)
            AppendEscaped(out, b);
        else
            out += c;
    }
    return out;
}

} // namespace

bool IsTextPiece(const std::vector<uint8_t>& piece) {
    return !piece.empty() && piece.front() >= FIRST_PRINTABLE;
}

CommandSplitter::CommandSplitter() = default;

void CommandSplitter::Hand(std::vector<uint8_t>&& piece, bool continues, const Emit& emit) {
    continues_ = continues;
    emit(std::move(piece));
    continues_ = false;
}

void CommandSplitter::FlushText(const Emit& emit) {
    if (text_.empty()) return;
    std::vector<uint8_t> text;
    text.swap(text_);
    Hand(std::move(text), false, emit);
}

void CommandSplitter::EndCommand(size_t length, const Emit& emit) {
    std::vector<uint8_t> piece;
    piece.swap(command_);
    piece.resize(length);
    const bool continues = partGone_;
    Restart();
    Hand(std::move(piece), continues, emit);
}

void CommandSplitter::Restart() {
    started_ = false;
    entry_ = nullptr;
    walk_ = {};
    total_ = 0;
    from_ = 0;
    partGone_ = false;
}

void CommandSplitter::Feed(const uint8_t* data, size_t length, const Emit& emit) {
    size_t at = 0;
    while (at < length) {
        if (started_) {
            at += TakeCommandBytes(data + at, length - at, emit);
            continue;
        }
        if (IsText(data[at])) {
            size_t end = at;
            while (end < length && IsText(data[end])) ++end;
            while (at < end) {
                const size_t take = std::min(end - at, TEXT_PIECE_LIMIT - text_.size());
                text_.insert(text_.end(), data + at, data + at + take);
                at += take;
                if (text_.size() >= TEXT_PIECE_LIMIT) FlushText(emit);
            }
            continue;
        }
        FlushText(emit);
        started_ = true;
    }
}

size_t CommandSplitter::TakeCommandBytes(const uint8_t* data, size_t length, const Emit& emit) {
    if (entry_ == nullptr) {
        // Which command it is: a byte at a time, as few as the table needs to tell.
        command_.push_back(data[0]);
        bool needMore = false;
        entry_ = Interpreter::LookUp(command_.data(), command_.size(), &needMore);
        const bool introducer = IsIntroducer(command_.front());
        if (needMore || (entry_ == nullptr && introducer && command_.size() < UNKNOWN_INTRODUCED))
            return 1;
        if (entry_ == nullptr) {
            // No length is known for an unknown command; what was looked at beyond the
            // bytes the printer skips starts afresh.
            const size_t skip = introducer ? UNKNOWN_INTRODUCED : UNKNOWN_CONTROL;
            const std::vector<uint8_t> again(command_.begin() + static_cast<long>(skip), command_.end());
            EndCommand(skip, emit);
            Feed(again.data(), again.size(), emit);
            return 1;
        }
        total_ = entry_->measure(lengths::Piece{command_.data(), 0, command_.size()}, &walk_);
        if (total_ != lengths::NEED_MORE && command_.size() >= total_ && !IsRasterHeader(entry_)) {
            const std::vector<uint8_t> again(command_.begin() + static_cast<long>(total_), command_.end());
            EndCommand(total_, emit);
            Feed(again.data(), again.size(), emit);
        }
        return 1;
    }
    const size_t arrived = from_ + command_.size();
    if (total_ == lengths::NEED_MORE) {
        // Its length shows on the way: its measure goes on over the new bytes.
        // (A measure that has walked nothing of a full part still gets bytes, so the
        // stream always moves on.)
        const size_t room = command_.size() < COMMAND_PIECE_LIMIT ? COMMAND_PIECE_LIMIT - command_.size()
                                                                  : STALLED_LOOK;
        const size_t take = std::min(length, room);
        command_.insert(command_.end(), data, data + take);
        total_ = entry_->measure(lengths::Piece{command_.data(), from_, from_ + command_.size()}, &walk_);
        if (total_ != lengths::NEED_MORE && total_ <= arrived + take) {
            // The next command's bytes (never more than came now: a measure does not
            // end a command before the bytes it had already seen).
            const size_t after = std::min(take, arrived + take - total_);
            EndCommand(command_.size() - after, emit);
            return take - after;
        }
        if (total_ == lengths::NEED_MORE && command_.size() >= COMMAND_PIECE_LIMIT) {
            // Hand over what its measure has walked past; keep what it has still to read.
            const size_t walked = walk_.at > from_ ? std::min(walk_.at - from_, command_.size()) : 0;
            std::vector<uint8_t> part(command_.begin(), command_.begin() + static_cast<long>(walked));
            command_.erase(command_.begin(), command_.begin() + static_cast<long>(walked));
            from_ += walked;
            if (!part.empty()) {
                Hand(std::move(part), partGone_, emit);
                partGone_ = true;
            }
        }
        return take;
    }
    if (IsRasterHeader(entry_) && total_ == RASTER_HEADER_SIZE) {
        const size_t take = std::min(length, RASTER_HEADER_SIZE - arrived);
        command_.insert(command_.end(), data, data + take);
        if (command_.size() == RASTER_HEADER_SIZE) {
            const uint8_t* size = command_.data() + RASTER_SIZE_AT;
            total_ += layout::RasterImageLength(size[0], size[1], size[2], size[3]);
            if (total_ == RASTER_HEADER_SIZE) EndCommand(total_, emit);
        }
        return take;
    }
    // Its length is known: the rest is taken in one go, in parts when it is long.
    const size_t take = std::min({length, total_ - arrived, COMMAND_PIECE_LIMIT - command_.size()});
    command_.insert(command_.end(), data, data + take);
    if (from_ + command_.size() == total_) {
        EndCommand(command_.size(), emit);
    } else if (command_.size() >= COMMAND_PIECE_LIMIT) {
        std::vector<uint8_t> part;
        part.swap(command_);
        from_ += part.size();
        Hand(std::move(part), partGone_, emit);
        partGone_ = true;
    }
    return take;
}

std::vector<uint8_t> CommandSplitter::TakeUnfinished() {
    std::vector<uint8_t> tail;
    tail.swap(command_);
    Restart();
    return tail;
}

std::vector<std::vector<uint8_t>> SplitCommands(const std::vector<uint8_t>& stream) {
    std::vector<std::vector<uint8_t>> pieces;
    CommandSplitter splitter;
    const auto emit = [&](std::vector<uint8_t>&& piece) { pieces.push_back(std::move(piece)); };
    splitter.Feed(stream.data(), stream.size(), emit);
    splitter.FlushText(emit);
    if (splitter.HasUnfinished()) pieces.push_back(splitter.TakeUnfinished());
    return pieces;
}

std::string PieceDecoder::Text(const std::vector<uint8_t>& piece) {
    if (piece.size() == INITIALIZE_LENGTH && piece[0] == ESC && piece[1] == INITIALIZE)
        page_ = vprinter::CodePage::CP437;
    if (piece.size() == SELECT_PAGE_LENGTH && piece[0] == ESC && piece[1] == SELECT_PAGE) {
        vprinter::CodePage page{};
        page_ = vprinter::CodePageFor(piece[2], &page) ? std::optional(page) : std::nullopt;
    }
    if (!IsTextPiece(piece)) {
        const std::string hex = ToHexText(piece.data(), piece.size());
        return AsciiOnly(Trimmed(records::DecodeRecord(hex)));
    }
    std::string text;
    text.reserve(piece.size());
    for (const uint8_t b : piece) {
        if (b == END_OF_TEXT) break;
        const uint32_t c = b < HIGH_HALF ? b : (page_ ? vprinter::CodePageCharacter(*page_, b) : 0);
        if (b < FIRST_PRINTABLE || b == DELETE || c == 0)
            AppendEscaped(text, b);
        else
            AppendUtf8(text, c);
    }
    return Trimmed(std::move(text));
}

std::string PieceDecoder::Line(const std::vector<uint8_t>& piece) {
    return Trimmed(ToHexText(piece.data(), piece.size())) + COMMENT + Text(piece);
}

} // namespace tap
