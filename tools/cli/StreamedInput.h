#pragma once
// The input of `render` and `decode`, gone through piece by piece so its length does
// not decide the memory taken: a regular file is read from disk, as often as needed
// (a text file is checked whole before anything is printed from it); standard input,
// a FIFO or a device is read once, whole, up to the tool's input limit.
//
// Its kind is told from its start: a tap capture by its first line; a records file by
// its first line that holds something (hex pairs, a "//" comment after hex digits, or
// a "//" comment alone); anything else is the raw byte stream. A capture or records
// file is read line by line with that kind's one reader.
#include "emulator/InputFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class InputKind { Capture, Records, Raw };

class StreamedInput {
public:
    using Piece = std::function<void(const uint8_t* data, size_t length)>;
    // Returns false to stop.
    using Line = std::function<bool(std::string_view line, size_t number)>;

    // False with the message (translated) in `error`.
    bool Open(const std::string& path, std::string& error);
    bool Empty() const { return start_.empty(); }
    // The kind; `raw` takes every input as bytes.
    InputKind Kind(bool raw) const;
    // The name in messages: the path, or "standard input" (translated).
    const std::string& Shown() const { return shown_; }

    // Every piece of the file from its start.
    bool ForEachPiece(const Piece& piece, std::string& error);
    // Every line (without its line break), numbered from 1.
    bool ForEachLine(const Line& line, std::string& error);
    // The first line of a capture or records file its reader refuses; 0 when none.
    bool FirstBadLine(InputKind kind, size_t& badLine, std::string& error);
    // The bytes the file gives the printer: a capture's '>' lines, a records file's
    // rows, or the file itself.
    bool ForEachByteRun(InputKind kind, const Piece& piece, std::string& error);

private:
    bool ReadFailed(const std::string& reason, std::string& error) const;

    vprinter::InputFile file_;
    std::string shown_;
    std::vector<uint8_t> start_; // the first piece (all of a file read once)
    bool whole_ = false;         // start_ holds the whole input
};

} // namespace cli
