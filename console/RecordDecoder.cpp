#include "console/RecordDecoder.h"

#include "printer/HexText.h"

#include <array>

namespace records {
namespace {

constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr uint8_t BYTE_ESC = 0x1B;
constexpr uint8_t BYTE_FS = 0x1C;
constexpr uint8_t BYTE_GS = 0x1D;
constexpr size_t FIRST_PAIR = 0;
constexpr size_t SECOND_PAIR = HEX_CHARS_PER_BYTE;
constexpr size_t THIRD_PAIR = 2 * HEX_CHARS_PER_BYTE;
constexpr size_t AFTER_THIRD_PAIR = 3 * HEX_CHARS_PER_BYTE;
constexpr char TOKEN_END = ' ';
constexpr std::string_view COMMENT_START = "//";
constexpr std::string_view LINE_END = "\r\n";

constexpr std::array<const char*, FIRST_PRINTABLE> CONTROL_NAMES = {
    "NULL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", //
    "BS",   "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",  //
    "DLE",  "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", //
    "CAN",  "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",
};

struct CommandPair {
    uint8_t first, second;
};
// Commands whose third byte is a function letter worth showing as a character.
constexpr std::array<CommandPair, 11> FUNCTION_BYTE_COMMANDS = {{
    {BYTE_ESC, 'c'},
    {BYTE_ESC, '('},
    {BYTE_FS, 'g'},
    {BYTE_FS, '('},
    {BYTE_GS, '('},
    {BYTE_GS, 'C'},
    {BYTE_GS, '8'},
    {BYTE_GS, 'Q'},
    {BYTE_GS, 'g'},
    {BYTE_GS, 'v'},
    {BYTE_GS, 'z'},
}};

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// What separates the byte runs of a record.
bool IsBlank(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

bool IsFileChar(char c) {
    return DigitValue(c) >= 0 || IsBlank(c);
}

std::string_view RestFrom(std::string_view text, size_t pos) {
    return pos < text.size() ? text.substr(pos) : std::string_view();
}

void AppendName(std::string& out, uint8_t value) {
    out += CONTROL_NAMES[value];
    out += TOKEN_END;
}

// A byte shown as its character; a 00 byte ends the text shown, as it always has.
bool AppendChar(std::string& out, uint8_t value) {
    if (value == 0) return false;
    out += static_cast<char>(value);
    out += TOKEN_END;
    return true;
}

} // namespace

const char* ControlName(uint8_t value) {
    return value < FIRST_PRINTABLE ? CONTROL_NAMES[value] : "";
}

uint8_t PairAt(std::string_view text, size_t pos) {
    if (pos >= text.size()) return 0;
    const int high = DigitValue(text[pos]);
    if (high < 0) return 0;
    const int low = pos + 1 < text.size() ? DigitValue(text[pos + 1]) : -1;
    return static_cast<uint8_t>(low < 0 ? high : high * 16 + low);
}

bool HasFunctionByte(uint8_t first, uint8_t second) {
    for (const CommandPair& c : FUNCTION_BYTE_COMMANDS)
        if (c.first == first && c.second == second) return true;
    return false;
}

std::string DecodeRecord(std::string_view text) {
    std::string tips;
    if (text.empty()) return tips;
    const uint8_t first = PairAt(text, FIRST_PAIR);
    if (first >= FIRST_PRINTABLE) {
        const std::vector<uint8_t> bytes = FromHexText(text);
        tips.reserve(bytes.size());
        for (uint8_t b : bytes) {
            if (b == 0) break;
            tips += static_cast<char>(b);
        }
        return tips;
    }
    AppendName(tips, first);
    if (text.size() <= SECOND_PAIR) return tips;
    const uint8_t second = PairAt(text, SECOND_PAIR);
    if (second < FIRST_PRINTABLE) {
        AppendName(tips, second);
        tips += RestFrom(text, THIRD_PAIR);
        return tips;
    }
    if (!AppendChar(tips, second)) return tips;
    if (!HasFunctionByte(first, second)) {
        tips += RestFrom(text, THIRD_PAIR);
        return tips;
    }
    if (text.size() <= THIRD_PAIR) return tips;
    if (!AppendChar(tips, PairAt(text, THIRD_PAIR))) return tips;
    tips += RestFrom(text, AFTER_THIRD_PAIR);
    return tips;
}

std::optional<std::vector<uint8_t>> RecordBytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    size_t k = 0;
    while (k < text.size()) {
        if (IsBlank(text[k])) {
            ++k;
            continue;
        }
        size_t end = k;
        while (end < text.size() && DigitValue(text[end]) >= 0) ++end;
        const bool runEndsWell = end == text.size() || IsBlank(text[end]);
        if (end == k || !runEndsWell || (end - k) % 2 != 0) return std::nullopt;
        for (; k < end; k += 2)
            bytes.push_back(static_cast<uint8_t>(DigitValue(text[k]) * 16 + DigitValue(text[k + 1])));
    }
    return bytes;
}

bool AppendRecordBytes(std::string_view text, std::vector<uint8_t>& out) {
    const std::optional<std::vector<uint8_t>> bytes = RecordBytes(text);
    if (!bytes) return false;
    out.insert(out.end(), bytes->begin(), bytes->end());
    return true;
}

ImportResult ParseRecordsFile(std::string_view content) {
    ImportResult result;
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        // A text file's CR LF ends a line like LF alone.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t comment = line.find(COMMENT_START);
        const std::string_view part = line.substr(0, comment);
        bool hasDigit = false;
        for (char c : part) {
            if (!IsFileChar(c)) {
                result.ok = false;
                result.badLine = lineNumber;
                result.records.clear();
                return result;
            }
            hasDigit = hasDigit || DigitValue(c) >= 0;
        }
        if (!hasDigit) continue;
        const std::optional<std::vector<uint8_t>> bytes = RecordBytes(part);
        if (!bytes) {
            result.ok = false;
            result.badLine = lineNumber;
            result.records.clear();
            return result;
        }
        result.records.push_back(ToHexText(bytes->data(), bytes->size()));
    }
    return result;
}

std::string FormatRecordsFile(const std::vector<std::string_view>& texts) {
    size_t size = 0;
    for (std::string_view t : texts) size += t.size() + LINE_END.size();
    std::string out;
    out.reserve(size);
    for (std::string_view t : texts) {
        out += t;
        out += LINE_END;
    }
    return out;
}

} // namespace records
