#pragma once
// The printer's three resident fonts as bit tables: one 32-bit word per glyph row,
// the leftmost dot in the most significant bit.
#include <cstddef>
#include <cstdint>

namespace vprinter {

constexpr int FONT_FIRST_CHAR = 0x20;
constexpr int FONT_LAST_CHAR = 0x7E;
constexpr int FONT_CHAR_COUNT = FONT_LAST_CHAR - FONT_FIRST_CHAR + 1;
constexpr int FONT_COUNT = 3;

extern const uint32_t FONT1_ROWS[FONT_CHAR_COUNT][24];
extern const uint32_t FONT2_ROWS[FONT_CHAR_COUNT][17];
extern const uint32_t FONT3_ROWS[FONT_CHAR_COUNT][16];

struct FontFace {
    int width;
    int height;
    const uint32_t* rows; // FONT_CHAR_COUNT glyphs of height rows each

    // Rows of a printable character; characters outside the table print as '?'.
    const uint32_t* Glyph(uint8_t code) const {
        if (code < FONT_FIRST_CHAR || code > FONT_LAST_CHAR) code = '?';
        return rows + static_cast<size_t>(code - FONT_FIRST_CHAR) * height;
    }
};

// Font 0, 1, 2 as selected with ESC M; any other number selects font 0.
const FontFace& FontFor(int index);

} // namespace vprinter
