#pragma once
// The code pages of ESC t: the upper half of each page (bytes 80..FF) as Unicode,
// and the glyphs of those characters in the three resident fonts.
#include "emulator/FontTables.h"
#include "emulator/PrinterState.h"

#include <cstdint>
#include <string>

namespace vprinter {

constexpr int CODE_PAGE_HALF = 128;
constexpr int EXTRA_CHARACTER_COUNT = 325;

extern const uint16_t CODE_PAGE_UNICODE[static_cast<int>(CodePage::Count)][CODE_PAGE_HALF];
extern const uint16_t EXTRA_CHARACTERS[EXTRA_CHARACTER_COUNT]; // ascending
extern const uint32_t FONT1_EXTRA_ROWS[EXTRA_CHARACTER_COUNT][24];
extern const uint32_t FONT2_EXTRA_ROWS[EXTRA_CHARACTER_COUNT][17];
extern const uint32_t FONT3_EXTRA_ROWS[EXTRA_CHARACTER_COUNT][16];

// The code page of ESC t n; false for a number this printer has no page for.
bool CodePageFor(uint8_t n, CodePage* page);
const char* CodePageName(CodePage page);
// Why ESC t n is not carried out ("ESC t 13: this printer has no code page 13, ignored"):
// the text would print in another page's characters.
std::string CodePageRefusal(uint8_t n);
// Unicode of a byte of the page; 0 where the page leaves it empty.
uint32_t CodePageCharacter(CodePage page, uint8_t code);
// Rows of a byte's glyph in the font (font index 0..2) under the page; bytes below
// 80 come from the ASCII table, characters without a glyph print as '?'.
const uint32_t* CodePageGlyph(int fontIndex, CodePage page, uint8_t code);

} // namespace vprinter
