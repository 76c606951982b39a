#include "tap/CommandDecode.h"

#include "console/RecordDecoder.h"
#include "printer/CommandLayouts.h"

#include <algorithm>

namespace tap {

namespace {

// Any paper width will do: only where commands end matters.
constexpr int DECODE_PAPER_WIDTH = 384;
constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr size_t RASTER_HEADER_SIZE = 8;
constexpr size_t RASTER_SIZE_AT = 4;
// The splitter's paper is handed over (and dropped) past this many dot rows, so a
// long session without a cut keeps its memory bounded.
constexpr int SPLITTER_PAPER_ROWS = 4096;
// A command the interpreter still holds after this many bytes is fed in bulk.
constexpr size_t BULK_AFTER = 256;
// A hex text line's blank between the bytes and the comment.
constexpr const char* COMMENT = "  // ";

// The raster command carries its image after the header; the interpreter takes the
// image in pieces of any size, so its length comes from the header.
size_t RasterImageFollowing(const std::vector<uint8_t>& piece) {
    static const CommandBytes header = layout::RasterImageHeader(0, 0, 0, 0, 0);
    constexpr size_t COMMAND_BYTES = 3;
    if (piece.size() != RASTER_HEADER_SIZE ||
        !std::equal(header.data(), header.data() + COMMAND_BYTES, piece.begin()))
        return 0;
    const uint8_t* size = piece.data() + RASTER_SIZE_AT;
    return layout::RasterImageLength(size[0], size[1], size[2], size[3]);
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

} // namespace

bool IsTextPiece(const std::vector<uint8_t>& piece) {
    return !piece.empty() && piece.front() >= FIRST_PRINTABLE;
}

CommandSplitter::CommandSplitter()
    : interpreter_(std::make_unique<vprinter::Interpreter>(DECODE_PAPER_WIDTH)) {}

void CommandSplitter::Finish(std::vector<uint8_t>&& piece, const Emit& emit) {
    // Text runs arrive a byte at a time; they make one piece.
    if (IsTextPiece(piece)) {
        text_.insert(text_.end(), piece.begin(), piece.end());
    } else {
        FlushText(emit);
        emit(std::move(piece));
    }
    if (interpreter_->PrintRow() > SPLITTER_PAPER_ROWS)
        interpreter_->EndReceipt(vprinter::ReceiptEnd::Cut);
}

void CommandSplitter::FlushText(const Emit& emit) {
    if (text_.empty()) return;
    emit(std::move(text_));
    text_.clear();
}

void CommandSplitter::Feed(const uint8_t* data, size_t length, const Emit& emit) {
    size_t at = 0;
    while (at < length) {
        if (imageLeft_ > 0) {
            const size_t take = std::min(imageLeft_, length - at);
            image_.insert(image_.end(), data + at, data + at + take);
            interpreter_->Feed(data + at, take);
            base_ = interpreter_->BytesConsumed();
            imageLeft_ -= take;
            at += take;
            if (imageLeft_ == 0) Finish(std::move(image_), emit);
            continue;
        }
        // Byte by byte the interpreter tells where each command ends; a long command
        // it holds is fed the rest of the read at once instead, since it reads its
        // held bytes again on every feed. The piece then may take in what follows it.
        const size_t take = current_.size() >= BULK_AFTER ? length - at : 1;
        current_.insert(current_.end(), data + at, data + at + take);
        interpreter_->Feed(data + at, take);
        at += take;
        const size_t done = static_cast<size_t>(interpreter_->BytesConsumed() - base_);
        if (done == 0) continue;
        std::vector<uint8_t> piece(current_.begin(), current_.begin() + static_cast<long>(done));
        current_.erase(current_.begin(), current_.begin() + static_cast<long>(done));
        base_ += done;
        imageLeft_ = current_.empty() ? RasterImageFollowing(piece) : 0;
        if (imageLeft_ > 0) {
            image_ = std::move(piece);
            continue;
        }
        Finish(std::move(piece), emit);
    }
}

std::vector<uint8_t> CommandSplitter::TakeUnfinished() {
    std::vector<uint8_t> tail;
    if (imageLeft_ > 0) tail.swap(image_);
    tail.insert(tail.end(), current_.begin(), current_.end());
    current_.clear();
    image_.clear();
    imageLeft_ = 0;
    // The interpreter still waits for the rest of the cut-off command: a fresh one
    // starts the next connection clean.
    interpreter_ = std::make_unique<vprinter::Interpreter>(DECODE_PAPER_WIDTH);
    base_ = 0;
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

std::string DecodedText(std::string_view hexText) {
    return Trimmed(records::DecodeRecord(hexText));
}

std::string DecodedLine(std::string_view hexText) {
    return Trimmed(std::string(hexText)) + COMMENT + DecodedText(hexText);
}

} // namespace tap
