#pragma once
// Reading what a program sends a printer: the byte stream cut into one command per
// piece where the virtual printer's interpreter sees one command end and the next
// begin, and each piece decoded as the operation records decode their rows. Shared by
// `talvane-cli decode` and the tap, which cuts the stream as it arrives.

#include "emulator/Interpreter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tap {

// Cuts a stream given in pieces of any size. A run of text is one piece; it is handed
// over when a command follows it or at Flush, since more text may still come.
class CommandSplitter {
public:
    using Emit = std::function<void(std::vector<uint8_t>&& piece)>;

    CommandSplitter();
    void Feed(const uint8_t* data, size_t length, const Emit& emit);
    // Hands over the text run held back.
    void FlushText(const Emit& emit);
    // The bytes of a command that has begun but not ended (a cut-off command at the
    // end of a connection); taken away, so the next bytes start afresh.
    std::vector<uint8_t> TakeUnfinished();
    bool HasUnfinished() const { return !current_.empty() || imageLeft_ > 0; }

private:
    void Finish(std::vector<uint8_t>&& piece, const Emit& emit);

    std::unique_ptr<vprinter::Interpreter> interpreter_;
    std::vector<uint8_t> current_; // fed to the interpreter, not yet part of a piece
    uint64_t base_ = 0;            // the interpreter's count at current_'s first byte
    std::vector<uint8_t> text_;
    std::vector<uint8_t> image_; // a raster header and the image bytes so far
    size_t imageLeft_ = 0;       // raster image bytes still to come
};

// Cuts a whole stream; an unfinished tail is the last piece.
std::vector<std::vector<uint8_t>> SplitCommands(const std::vector<uint8_t>& stream);

// True for a piece that is printable text rather than a command.
bool IsTextPiece(const std::vector<uint8_t>& piece);

// The decoding of one record's hex text ("ESC @", a text run as text), without the
// trailing blank.
std::string DecodedText(std::string_view hexText);

// One line of decode output: the record's hex text, then "//" and its decoding, so
// the output can itself be imported as a records file.
std::string DecodedLine(std::string_view hexText);

} // namespace tap
