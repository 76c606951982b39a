#pragma once
// Reading what a program sends a printer: the byte stream cut into one command per
// piece where the virtual printer's command length table says one command ends and
// the next begins, and each piece decoded as the operation records decode their rows. Shared by
// `talvane-cli decode` and the tap, which cuts the stream as it arrives.

#include "emulator/Interpreter.h"
#include "emulator/PrinterState.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tap {

// Cuts a stream given in pieces of any size, by the command length table alone (no
// command is carried out, so it keeps up with a fast line). A run of text is one
// piece, handed over when a command follows it, at Flush, or when it grows past
// TEXT_PIECE_LIMIT. A command longer than COMMAND_PIECE_LIMIT is handed over in parts
// of that size, so a long image never makes the splitter hold more.
class CommandSplitter {
public:
    using Emit = std::function<void(std::vector<uint8_t>&& piece)>;
    static constexpr size_t TEXT_PIECE_LIMIT = 4096;
    static constexpr size_t COMMAND_PIECE_LIMIT = 64 * 1024;

    CommandSplitter();
    void Feed(const uint8_t* data, size_t length, const Emit& emit);
    // Hands over the text run held back.
    void FlushText(const Emit& emit);
    // The bytes of a command that has begun but not ended (a cut-off command at the
    // end of a connection); taken away, so the next bytes start afresh.
    std::vector<uint8_t> TakeUnfinished();
    bool HasUnfinished() const { return started_; }
    // While a piece is being handed over: true when it goes on a command whose first
    // part has been handed over already (it is not a command of its own).
    bool PieceContinues() const { return continues_; }

private:
    // Takes bytes of the command under way from data; the count taken.
    size_t TakeCommandBytes(const uint8_t* data, size_t length, const Emit& emit);
    void Hand(std::vector<uint8_t>&& piece, bool continues, const Emit& emit);
    void EndCommand(size_t length, const Emit& emit);
    // Forgets the command under way (its bytes are taken by the caller first).
    void Restart();

    std::vector<uint8_t> text_;
    bool started_ = false;          // a command is under way
    std::vector<uint8_t> command_;  // its bytes not yet handed over
    size_t from_ = 0;               // its byte number of command_[0]
    const vprinter::Interpreter::CommandEntry* entry_ = nullptr;
    vprinter::lengths::Walk walk_;
    size_t total_ = 0;              // its whole length once known, else 0
    bool partGone_ = false;         // a part of it has been handed over
    bool continues_ = false;
};

// Cuts a whole stream; an unfinished tail is the last piece.
std::vector<std::vector<uint8_t>> SplitCommands(const std::vector<uint8_t>& stream);

// True for a piece that is printable text rather than a command.
bool IsTextPiece(const std::vector<uint8_t>& piece);

// The decoding of the pieces of one stream, in order ("ESC @", a text run as text),
// without the trailing blank. Text is shown in the code page the stream's last ESC t
// chose (ESC @ goes back to the first page), as UTF-8: a byte the page has no
// character for, any high byte under a page this printer does not have, and a control
// byte are shown as \xHH, so the decoding is always UTF-8 and one line.
class PieceDecoder {
public:
    std::string Text(const std::vector<uint8_t>& piece);
    // One line of decode output: the piece's hex text, then "//" and its decoding, so
    // the output can itself be imported as a records file.
    std::string Line(const std::vector<uint8_t>& piece);

private:
    // Empty under a page this printer does not have.
    std::optional<vprinter::CodePage> page_ = vprinter::CodePage::CP437;
};

} // namespace tap
