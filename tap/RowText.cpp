#include "tap/RowText.h"

#include "printer/HexText.h"

#include <cstdio>
#include <ctime>
#include <string_view>

namespace tap {

namespace {

constexpr double MICROS_PER_MS = 1000.0;
constexpr int64_t MS_PER_SECOND = 1000;
constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr uint8_t UTF8_FOLLOW = 0x80;
constexpr uint8_t UTF8_FOLLOW_MASK = 0xC0;
constexpr uint8_t UTF8_LEAD_TWO = 0xC0;
constexpr uint8_t UTF8_LEAD_MASK_TWO = 0xE0;
constexpr uint8_t UTF8_LEAD_THREE = 0xE0;
constexpr uint8_t UTF8_LEAD_MASK_THREE = 0xF0;
constexpr uint8_t UTF8_LEAD_FOUR = 0xF0;
constexpr uint8_t UTF8_LEAD_MASK_FOUR = 0xF8;
constexpr int UTF8_FOLLOW_SHIFT = 6;
constexpr uint32_t SURROGATE_FIRST = 0xD800;
constexpr uint32_t SURROGATE_LAST = 0xDFFF;
constexpr uint32_t UNICODE_LAST = 0x10FFFF;
constexpr const char* REPLACEMENT = "\xEF\xBF\xBD"; // U+FFFD

std::string WallTime(std::chrono::system_clock::time_point wall) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(wall.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / MS_PER_SECOND);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(ms % MS_PER_SECOND));
    return text;
}

std::string Hex(const Row& row) {
    std::string hex = ToHexText(row.bytes.data(), row.bytes.size());
    while (!hex.empty() && hex.back() == ' ') hex.pop_back();
    return hex;
}

const char* Arrow(Direction d) {
    switch (d) {
    case Direction::ToPrinter: return "P>";
    case Direction::ToProgram: return "<P";
    case Direction::Note: break;
    }
    return "--";
}

const char* DirectionName(Direction d) {
    switch (d) {
    case Direction::ToPrinter: return "to-printer";
    case Direction::ToProgram: return "to-program";
    case Direction::Note: break;
    }
    return "note";
}

// The length of the well-formed UTF-8 character at the start of `text`, 0 when it is not
// one (a stray byte of a path or a note).
size_t Utf8Length(std::string_view text) {
    const auto lead = static_cast<uint8_t>(text[0]);
    size_t length = 0;
    uint32_t c = 0;
    if (lead < UTF8_FOLLOW) return 1;
    if ((lead & UTF8_LEAD_MASK_TWO) == UTF8_LEAD_TWO) {
        length = 2;
        c = lead & ~UTF8_LEAD_MASK_TWO;
    } else if ((lead & UTF8_LEAD_MASK_THREE) == UTF8_LEAD_THREE) {
        length = 3;
        c = lead & ~UTF8_LEAD_MASK_THREE;
    } else if ((lead & UTF8_LEAD_MASK_FOUR) == UTF8_LEAD_FOUR) {
        length = 4;
        c = lead & ~UTF8_LEAD_MASK_FOUR;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        const auto b = static_cast<uint8_t>(text[i]);
        if ((b & UTF8_FOLLOW_MASK) != UTF8_FOLLOW) return 0;
        c = (c << UTF8_FOLLOW_SHIFT) | (b & ~UTF8_FOLLOW_MASK);
    }
    // Overlong forms, surrogates and values past Unicode are not characters.
    static constexpr uint32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < SMALLEST[length] || (c >= SURROGATE_FIRST && c <= SURROGATE_LAST) || c > UNICODE_LAST) return 0;
    return length;
}

// A JSON string of `text`; a byte that is not part of a UTF-8 character becomes U+FFFD,
// so a strict reader always takes the line.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (size_t at = 0; at < text.size();) {
        const char c = text[at];
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < FIRST_PRINTABLE) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else if (u >= UTF8_FOLLOW) {
            const size_t length = Utf8Length(std::string_view(text).substr(at));
            if (length == 0) {
                out += REPLACEMENT;
                ++at;
                continue;
            }
            out.append(text, at, length);
            at += length;
            continue;
        } else {
            out += c;
        }
        ++at;
    }
    return out + "\"";
}

std::string Ms(int64_t us) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(us) / MICROS_PER_MS);
    return text;
}

} // namespace

std::string RowLine(const Row& row) {
    char gap[32];
    std::snprintf(gap, sizeof gap, "+%9.3f ms", static_cast<double>(row.gapUs) / MICROS_PER_MS);
    std::string line = WallTime(row.wall) + " " + gap + "  " + Arrow(row.direction) + "  ";
    if (!row.bytes.empty()) line += Hex(row) + "  // ";
    line += row.text;
    for (size_t i = 0; i < ALERT_KINDS; ++i)
        if ((row.alerts & (1u << i)) != 0) line += std::string("  !! ") + AlertName(static_cast<Alert>(i));
    return line;
}

std::string RowJson(const Row& row) {
    std::string json = "{\"row\":" + std::to_string(row.number) + ",\"time\":" +
                       JsonString(WallTime(row.wall)) + ",\"at_ms\":" + Ms(row.atUs) +
                       ",\"gap_ms\":" + Ms(row.gapUs) + ",\"dir\":\"" + DirectionName(row.direction) +
                       "\",\"hex\":" + JsonString(Hex(row)) + ",\"text\":" + JsonString(row.text) +
                       ",\"alerts\":[";
    bool first = true;
    for (size_t i = 0; i < ALERT_KINDS; ++i) {
        if ((row.alerts & (1u << i)) == 0) continue;
        json += std::string(first ? "" : ",") + "\"" + AlertName(static_cast<Alert>(i)) + "\"";
        first = false;
    }
    return json + "]}";
}

std::string SummaryLine(const Totals& t, size_t peakQueued) {
    return t.Line() + "; at most " + std::to_string(peakQueued) + " bytes waited in the tap";
}

std::string SummaryJson(const Totals& t, size_t peakQueued) {
    std::string json = "{\"summary\":{\"to_printer_bytes\":" + std::to_string(t.toPrinterBytes) +
                       ",\"to_program_bytes\":" + std::to_string(t.toProgramBytes) +
                       ",\"commands\":" + std::to_string(t.commands) + ",\"replies\":" +
                       std::to_string(t.replies) + ",\"duration_ms\":" + Ms(t.durationUs) +
                       ",\"queue_peak_bytes\":" + std::to_string(peakQueued) +
                       ",\"undecoded_bytes\":" + std::to_string(t.undecodedBytes) +
                       ",\"not_delivered_to_printer_bytes\":" + std::to_string(t.notDeliveredToPrinter) +
                       ",\"not_delivered_to_program_bytes\":" + std::to_string(t.notDeliveredToProgram) +
                       ",\"alerts\":{";
    for (size_t i = 0; i < ALERT_KINDS; ++i)
        json += std::string(i == 0 ? "" : ",") + "\"" + AlertName(static_cast<Alert>(i)) +
                "\":" + std::to_string(t.alerts[i]);
    return json + "}}}";
}

} // namespace tap
