#include "tap/RowText.h"

#include "printer/HexText.h"

#include <cstdio>
#include <ctime>

namespace tap {

namespace {

constexpr double MICROS_PER_MS = 1000.0;
constexpr int64_t MS_PER_SECOND = 1000;
constexpr uint8_t FIRST_PRINTABLE = 0x20;

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

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < FIRST_PRINTABLE) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
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
                       ",\"not_delivered_to_printer_bytes\":" + std::to_string(t.notDeliveredToPrinter) +
                       ",\"not_delivered_to_program_bytes\":" + std::to_string(t.notDeliveredToProgram) +
                       ",\"alerts\":{";
    for (size_t i = 0; i < ALERT_KINDS; ++i)
        json += std::string(i == 0 ? "" : ",") + "\"" + AlertName(static_cast<Alert>(i)) +
                "\":" + std::to_string(t.alerts[i]);
    return json + "}}}";
}

} // namespace tap
