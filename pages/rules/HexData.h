#pragma once
// Reading the hex text that the code pages' data edits hold in hexadecimal form.
// Pairs of characters are read from the first non-separator on, as the console's hex
// text reader does; unlike a plain reader this one also says whether every pair was
// hexadecimal, so the pages can refuse pasted text such as "4G" instead of guessing.

#include <cstdint>
#include <string_view>
#include <vector>

struct HexData {
    std::vector<uint8_t> bytes; // the values read; a pair that is no number is skipped
    bool wellFormed = true;     // false when some pair was not hexadecimal
};

HexData ReadHexData(std::string_view text);
