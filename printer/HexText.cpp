#include "HexText.h"

#include <array>

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

// The three characters of every byte value, so that recording a large picture is one
// table copy per byte.
constexpr std::array<std::array<char, HEX_CHARS_PER_BYTE>, BYTE_VALUES> MakeHexTable() {
    std::array<std::array<char, HEX_CHARS_PER_BYTE>, BYTE_VALUES> table{};
    for (unsigned value = 0; value < BYTE_VALUES; ++value) {
        table[value] = {HEX_DIGITS[value >> NIBBLE_BITS], HEX_DIGITS[value & NIBBLE_MASK], BLANK};
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
    out.resize(start + length * HEX_CHARS_PER_BYTE);
    char* dst = out.data() + start;
    for (size_t i = 0; i < length; ++i, dst += HEX_CHARS_PER_BYTE) {
        const auto& chars = HEX_TABLE[bytes[i]];
        dst[0] = chars[0];
        dst[1] = chars[1];
        dst[2] = chars[2];
    }
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
