#include "console/SendFile.h"

namespace {

constexpr char CH_CR = '\r';
constexpr char CH_LF = '\n';
constexpr std::string_view COMMENT_START = "//";

bool IsSendFileChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ' ' ||
           c == CH_CR || c == CH_LF;
}

bool IsBlankLine(std::string_view part) {
    return part.find_first_not_of(" \r") == std::string_view::npos;
}

} // namespace

std::optional<std::string> ReadSendFile(std::string_view content) {
    std::string result;
    size_t start = 0;
    while (true) {
        const size_t end = content.find(CH_LF, start);
        std::string_view part = content.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!part.empty() && part.back() == CH_CR) part.remove_suffix(1);
        const size_t comment = part.find(COMMENT_START);
        if (comment != std::string_view::npos) part = part.substr(0, comment);
        for (const char c : part) {
            if (!IsSendFileChar(c)) return std::nullopt;
        }
        if (!IsBlankLine(part)) {
            result += part;
            result += CH_LF;
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return result;
}
