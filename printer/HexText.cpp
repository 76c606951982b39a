#include "printer/HexText.h"

#include <array>
#include <cstring>

namespace {

constexpr char HEX_DIGITS[] = "0123456789ABCDEF";
constexpr unsigned NIBBLE_BITS = 4;
constexpr unsigned NIBBLE_MASK = 0x0F;
constexpr unsigned BYTE_VALUES = 256;
constexpr char BLANK = ' ';
constexpr char CARRIAGE_RETURN = '\r';
constexpr char LINE_FEED = '\n';
constexpr char BACKSPACE = '\b';
constexpr int NOT_A_DIGIT = -1;

// The characters of every byte value, padded to four so that each byte is one
// four-byte store (the pad is overwritten by the next byte): recording a large picture
// costs little more than a table look-up per byte.
constexpr size_t TABLE_ENTRY_SIZE = 4;
using HexEntry = std::array<char, TABLE_ENTRY_SIZE>;

constexpr std::array<HexEntry, BYTE_VALUES> MakeHexTable() {
    std::array<HexEntry, BYTE_VALUES> table{};
    for (unsigned value = 0; value < BYTE_VALUES; ++value) {
        table[value] = {HEX_DIGITS[value >> NIBBLE_BITS], HEX_DIGITS[value & NIBBLE_MASK], BLANK,
                        BLANK};
    }
    return table;
}
constexpr auto HEX_TABLE = MakeHexTable();

bool IsSeparator(char c) {
    return c == BLANK || c == CARRIAGE_RETURN || c == LINE_FEED || c == BACKSPACE;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return NOT_A_DIGIT;
}

} // namespace

void AppendHexText(std::string& out, const void* data, size_t length) {
    if (length == 0) return;
    const auto* bytes = static_cast<const uint8_t*>(data);
    const size_t start = out.size();
    const size_t added = length * HEX_CHARS_PER_BYTE;
    // One spare character for the last byte's padded store, dropped again below.
    out.resize(start + added + (TABLE_ENTRY_SIZE - HEX_CHARS_PER_BYTE));
    char* dst = out.data() + start;
    for (size_t i = 0; i < length; ++i, dst += HEX_CHARS_PER_BYTE) {
        std::memcpy(dst, HEX_TABLE[bytes[i]].data(), TABLE_ENTRY_SIZE);
    }
    out.resize(start + added);
}

std::string ToHexText(const void* data, size_t length) {
    std::string text;
    AppendHexText(text, data, length);
    return text;
}

std::string ToHexText(std::string_view text) {
    return ToHexText(text.data(), text.size());
}

std::vector<uint8_t> FromHexText(std::string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2 + 1);
    size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && IsSeparator(text[pos])) ++pos;
        if (pos >= text.size()) break;
        const int high = DigitValue(text[pos]);
        const int low = pos + 1 < text.size() ? DigitValue(text[pos + 1]) : NOT_A_DIGIT;
        pos += 2;
        if (high == NOT_A_DIGIT) continue;
        bytes.push_back(
            static_cast<uint8_t>(low == NOT_A_DIGIT ? high : (high << NIBBLE_BITS) | low));
    }
    return bytes;
}
