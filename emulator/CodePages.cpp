#include "emulator/CodePages.h"

#include <algorithm>
#include <iterator>

namespace vprinter {

namespace {

struct PageNumber {
    uint8_t n; // ESC t n
    CodePage page;
    const char* name;
};

// ESC t numbers as the common command references assign them. The Latin-1 range
// is CP1252's A0..FF.
constexpr PageNumber PAGE_NUMBERS[] = {
    {0, CodePage::CP437, "CP437"},   {2, CodePage::CP850, "CP850"},
    {16, CodePage::CP1252, "CP1252"}, {17, CodePage::CP866, "CP866"},
    {18, CodePage::CP852, "CP852"},   {19, CodePage::CP858, "CP858"},
};

constexpr uint8_t HIGH_HALF = 0x80;

} // namespace

bool CodePageFor(uint8_t n, CodePage* page) {
    for (const PageNumber& entry : PAGE_NUMBERS)
        if (entry.n == n) {
            *page = entry.page;
            return true;
        }
    return false;
}

const char* CodePageName(CodePage page) {
    for (const PageNumber& entry : PAGE_NUMBERS)
        if (entry.page == page) return entry.name;
    return "?";
}

std::string CodePageRefusal(uint8_t n) {
    const std::string number = std::to_string(n);
    return "ESC t " + number + ": this printer has no code page " + number + ", ignored";
}

uint32_t CodePageCharacter(CodePage page, uint8_t code) {
    if (code < HIGH_HALF) return code;
    return CODE_PAGE_UNICODE[static_cast<int>(page)][code - HIGH_HALF];
}

const uint32_t* CodePageGlyph(int fontIndex, CodePage page, uint8_t code) {
    const FontFace& font = FontFor(fontIndex);
    if (code < HIGH_HALF) return font.Glyph(code);
    const uint32_t cp = CodePageCharacter(page, code);
    const auto* end = std::end(EXTRA_CHARACTERS);
    const auto* found = std::lower_bound(std::begin(EXTRA_CHARACTERS), end, cp);
    if (cp == 0 || found == end || *found != cp) return font.Glyph('?');
    const size_t index = static_cast<size_t>(found - std::begin(EXTRA_CHARACTERS));
    switch (fontIndex) {
    case 1:
        return FONT2_EXTRA_ROWS[index];
    case 2:
        return FONT3_EXTRA_ROWS[index];
    default:
        return FONT1_EXTRA_ROWS[index];
    }
}

} // namespace vprinter
