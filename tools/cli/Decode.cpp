#include "tools/cli/Decode.h"

#include "console/RecordDecoder.h"
#include "emulator/Interpreter.h"
#include "printer/CommandLayouts.h"

#include <algorithm>

namespace cli {

namespace {

// Any paper width will do: only where commands end matters.
constexpr int DECODE_PAPER_WIDTH = 384;
constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr size_t RASTER_HEADER_SIZE = 8;
constexpr size_t RASTER_SIZE_AT = 4;
// A hex text line's blank between the bytes and the comment.
constexpr const char* COMMENT = "  // ";

bool IsText(const std::vector<uint8_t>& piece) {
    return !piece.empty() && piece.front() >= FIRST_PRINTABLE;
}

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

std::vector<std::vector<uint8_t>> SplitCommands(const std::vector<uint8_t>& stream) {
    vprinter::Interpreter interpreter(DECODE_PAPER_WIDTH);
    std::vector<std::vector<uint8_t>> pieces;
    std::vector<uint8_t> current;
    uint64_t consumed = 0;
    auto finish = [&] {
        // Text runs arrive a byte at a time; they make one line.
        if (IsText(current) && !pieces.empty() && IsText(pieces.back()))
            pieces.back().insert(pieces.back().end(), current.begin(), current.end());
        else
            pieces.push_back(current);
        current.clear();
    };
    size_t at = 0;
    while (at < stream.size()) {
        current.push_back(stream[at]);
        interpreter.Feed(&stream[at], 1);
        ++at;
        if (interpreter.BytesConsumed() == consumed) continue;
        consumed = interpreter.BytesConsumed();
        const size_t image = std::min(RasterImageFollowing(current), stream.size() - at);
        if (image > 0) {
            current.insert(current.end(), stream.begin() + static_cast<long>(at),
                           stream.begin() + static_cast<long>(at + image));
            interpreter.Feed(&stream[at], image);
            consumed = interpreter.BytesConsumed();
            at += image;
        }
        finish();
    }
    if (!current.empty()) pieces.push_back(current);
    return pieces;
}

std::string DecodedLine(std::string_view hexText) {
    return Trimmed(std::string(hexText)) + COMMENT + Trimmed(records::DecodeRecord(hexText));
}

} // namespace cli
