#include "emulator/FontTables.h"

namespace vprinter {

namespace {
const FontFace FONTS[FONT_COUNT] = {
    {12, 24, &FONT1_ROWS[0][0]},
    {9, 17, &FONT2_ROWS[0][0]},
    {8, 16, &FONT3_ROWS[0][0]},
};
} // namespace

const FontFace& FontFor(int index) {
    if (index < 0 || index >= FONT_COUNT) index = 0;
    return FONTS[index];
}

} // namespace vprinter
