#include "pages/rules/HexData.h"

namespace {

constexpr char CH_BLANK = ' ';
constexpr char CH_CR = '\r';
constexpr char CH_LF = '\n';
constexpr char CH_BACKSPACE = '\b';
constexpr size_t HEX_PAIR_LENGTH = 2;
constexpr int HEX_RADIX = 16;

bool IsSeparator(char c) {
    return c == CH_BLANK || c == CH_CR || c == CH_LF || c == CH_BACKSPACE;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

HexData ReadHexData(std::string_view text) {
    HexData result;
    size_t position = 0;
    while (position < text.size()) {
        if (IsSeparator(text[position])) {
            ++position;
            continue;
        }
        const int high = HexDigitValue(text[position]);
        const bool hasSecond = position + 1 < text.size();
        const char second = hasSecond ? text[position + 1] : CH_BLANK;
        const int low = HexDigitValue(second);
        position += HEX_PAIR_LENGTH;
        if (high < 0) {
            result.wellFormed = false;
            continue;
        }
        if (low >= 0) {
            result.bytes.push_back(static_cast<uint8_t>(high * HEX_RADIX + low));
        } else {
            // A lone digit before a separator (or the end) is a byte of its own; before
            // any other character the pair is not hexadecimal.
            if (!IsSeparator(second)) result.wellFormed = false;
            result.bytes.push_back(static_cast<uint8_t>(high));
        }
    }
    return result;
}
