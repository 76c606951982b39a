// Any text into the hex text reader: never more bytes than characters, and the text
// form of whatever it reads reads back to the same bytes. The bytes themselves as a
// record's text round-trip too.
#include "printer/HexText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<uint8_t> bytes = FromHexText(text);
    Require(bytes.size() <= size);

    const std::string canonical = ToHexText(bytes.data(), bytes.size());
    Require(canonical.size() == bytes.size() * HEX_CHARS_PER_BYTE);
    Require(FromHexText(canonical) == bytes);

    const std::string written = ToHexText(text);
    Require(written.size() == size * HEX_CHARS_PER_BYTE);
    const std::vector<uint8_t> back = FromHexText(written);
    Require(back.size() == size && std::equal(back.begin(), back.end(), data));
    return 0;
}
