// Any file into the send panel's import check: a file it takes gives only hex digits,
// blanks, CRs and line breaks, every line holds something, and the result read as a
// file again is taken too (a CR left before a line's end may go then, nothing else).
#include "console/SendFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> text = ReadSendFile(content);
    if (!text) return 0;
    Require(text->size() <= size + 1);
    Require(text->empty() || text->back() == '\n');
    bool lineHasContent = false;
    for (const char c : *text) {
        if (c == '\n') {
            Require(lineHasContent);
            lineHasContent = false;
            continue;
        }
        Require(IsHexDigit(c) || c == ' ' || c == '\r');
        if (c != ' ' && c != '\r') lineHasContent = true;
    }
    const std::optional<std::string> again = ReadSendFile(*text);
    Require(again && again->size() <= text->size());
    if (text->find("\r\n") == std::string::npos) Require(*again == *text);
    return 0;
}
