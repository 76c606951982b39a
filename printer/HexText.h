#pragma once
// The text form of bytes used everywhere in the console: two upper-case hexadecimal
// digits and one blank per byte ("1B 40 "). The sent-bytes record, the operation
// records, the HEX boxes and the code pages all go through these few functions.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Characters per byte in hex text: two digits and a blank.
inline constexpr size_t HEX_CHARS_PER_BYTE = 3;

// Appends the hex text of `length` bytes to `out`, growing it once.
void AppendHexText(std::string& out, const void* data, size_t length);

std::string ToHexText(const void* data, size_t length);
// The characters of a text taken as unsigned bytes (0x80..0xFF give 80..FF).
std::string ToHexText(std::string_view text);

// Reads hex text back into bytes. Blanks, CR, LF and backspace between pairs are
// skipped; digits pair up from the first one after a separator, so "1B40" and "1B 40"
// both give 1B 40, and a lone digit before a separator or the end is a byte of its own
// ("1b 4 0A" gives 1B 04 0A). A pair whose first character is not a hexadecimal digit
// is dropped whole: pasted noise never turns into bytes for the printer.
std::vector<uint8_t> FromHexText(std::string_view text);
