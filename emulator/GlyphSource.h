#pragma once
// Glyphs the resident fonts do not have: the two-byte (Chinese) characters, drawn
// from a font installed on the machine.
#include <cstdint>
#include <vector>

namespace vprinter {

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // The glyph of the two-byte character lead trail (GB18030) in a cell of width x
    // height dots (width at most 32): one word per row, leftmost dot in the top bit.
    // False when the character or its glyph is not to be had.
    virtual bool DoubleByteGlyph(uint8_t lead, uint8_t trail, int width, int height,
                                 std::vector<uint32_t>* rows) const = 0;
};

} // namespace vprinter
