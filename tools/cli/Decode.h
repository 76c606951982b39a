#pragma once
// Reading a capture: a records file saved by the console, or the raw byte stream that
// went to a printer, cut into one command per line and decoded as the operation
// records decode their rows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Cuts a byte stream where the virtual printer's interpreter sees one command end and
// the next begin; a run of text is one piece, an unfinished tail the last one.
std::vector<std::vector<uint8_t>> SplitCommands(const std::vector<uint8_t>& stream);

// One line of decode output: the record's hex text, then "//" and its decoding, so
// the output can itself be imported as a records file.
std::string DecodedLine(std::string_view hexText);

} // namespace cli
