// The decoding's text is UTF-8 and one line whatever the bytes: text in the code page
// ESC t chose, escapes for what has no character.
#include "tap/CommandDecode.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> B(std::initializer_list<uint8_t> bytes) {
    return bytes;
}

std::vector<uint8_t> Text(const std::string& text) {
    return {text.begin(), text.end()};
}

} // namespace

TEST(TapDecodedText, TextShowsInTheChosenCodePageAndWhatHasNoCharacterIsEscaped) {
    tap::PieceDecoder decoder;
    const std::vector<uint8_t> cafe = Text("Caf\xE9 \xAA");
    // The printer starts in CP437.
    EXPECT_EQ(decoder.Text(cafe), "Caf\u0398 \u00AC");
    EXPECT_EQ(decoder.Text(B({0x1B, 0x74, 16})), "ESC t 10");
    EXPECT_EQ(decoder.Text(cafe), "Caf\u00E9 \u00AA");
    // 81 is empty in CP1252.
    EXPECT_EQ(decoder.Text(Text("a\x81z")), "a\\x81z");
    // A page this printer does not have: no high byte has a known character.
    decoder.Text(B({0x1B, 0x74, 1}));
    EXPECT_EQ(decoder.Text(cafe), "Caf\\xE9 \\xAA");
    // ESC @ goes back to the first page.
    decoder.Text(B({0x1B, 0x40}));
    EXPECT_EQ(decoder.Text(cafe), "Caf\u0398 \u00AC");
    // A record that starts as text and holds a line break stays one line; an unknown
    // command's high letter is escaped.
    EXPECT_EQ(decoder.Text(Text("ok\n")), "ok\\x0A");
    EXPECT_EQ(decoder.Line(B({0x1B, 0xC3})).find('\xC3'), std::string::npos) << decoder.Line(B({0x1B, 0xC3}));
    EXPECT_EQ(decoder.Line(Text("A\xE9")), "41 E9  // A\u0398");
}
