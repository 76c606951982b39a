// Character styles (ESC E, ESC G, ESC -, FS -, GS !, GS B, ESC {, ESC V, ESC SP),
// the print area (GS L, GS W, ESC \) and the character sets (ESC t, FS &, FS .).
#include "emulator/CodePages.h"
#include "emulator/Interpreter.h"

#include <algorithm>

namespace vprinter {

namespace {

constexpr uint8_t DIGIT_ZERO = '0';
constexpr int MAX_UNDERLINE_DOTS = 2;
constexpr int SIZE_BITS = 0x07; // GS !: height in bits 0..2, width in bits 4..6
constexpr int WIDTH_SHIFT = 4;

// n or the digit character n: both select, as printers accept.
int Flag(uint8_t n) {
    return n >= DIGIT_ZERO ? n - DIGIT_ZERO : n;
}

int Word(const uint8_t* at) {
    return at[0] + 256 * at[1];
}

} // namespace

CharacterStyle Interpreter::Style(bool doubleByte) const {
    CharacterStyle style;
    style.mode = text_.printMode;
    style.scaleX = text_.scaleX;
    style.scaleY = text_.scaleY;
    style.underline = doubleByte ? text_.doubleByteUnderline : text_.underlineDots;
    style.reverse = text_.reverse;
    style.rotated = text_.rotated;
    style.spacing = text_.characterSpacing;
    return style;
}

void Interpreter::OnEmphasis(const uint8_t* command, size_t) {
    // Only the lowest bit counts.
    if (command[2] & 1)
        text_.printMode |= PRN_MODE_BOLD;
    else
        text_.printMode &= static_cast<uint8_t>(~PRN_MODE_BOLD);
}

void Interpreter::OnUnderline(const uint8_t* command, size_t) {
    const int dots = Flag(command[2]);
    if (dots <= MAX_UNDERLINE_DOTS)
        text_.underlineDots = dots;
    else
        LogAt("ESC - " + std::to_string(command[2]) + ": underline is 0, 1 or 2, ignored");
}

void Interpreter::OnDoubleByteUnderline(const uint8_t* command, size_t) {
    const int dots = Flag(command[2]);
    if (dots <= MAX_UNDERLINE_DOTS)
        text_.doubleByteUnderline = dots;
    else
        LogAt("FS - " + std::to_string(command[2]) + ": underline is 0, 1 or 2, ignored");
}

void Interpreter::OnCharacterSize(const uint8_t* command, size_t) {
    const uint8_t n = command[2];
    if (n & ~(SIZE_BITS | SIZE_BITS << WIDTH_SHIFT)) {
        LogAt("GS ! " + std::to_string(n) + ": no such size, ignored");
        return;
    }
    text_.scaleX = ((n >> WIDTH_SHIFT) & SIZE_BITS) + 1;
    text_.scaleY = (n & SIZE_BITS) + 1;
}

void Interpreter::OnReverse(const uint8_t* command, size_t) {
    text_.reverse = command[2] & 1;
}

void Interpreter::OnUpsideDown(const uint8_t* command, size_t) {
    text_.upsideDown = command[2] & 1;
}

void Interpreter::OnRotation(const uint8_t* command, size_t) {
    const int n = Flag(command[2]);
    // 1 turns by 90 degrees; 2 (with wider character spacing) prints the same here.
    text_.rotated = n == 1 || n == 2;
}

void Interpreter::OnCharacterSpacing(const uint8_t* command, size_t) {
    text_.characterSpacing = command[2];
}

void Interpreter::OnRelativePosition(const uint8_t* command, size_t) {
    RefreshArea();
    int offset = Word(command + 2);
    if (offset >= 0x8000) offset -= 0x10000; // a negative step to the left
    const int position = line_.Cursor() + offset;
    if (position < 0 || position > line_.AreaWidth()) {
        LogAt("ESC \\ " + std::to_string(offset) + ": outside the print area, ignored");
        return;
    }
    line_.SetCursor(position);
}

void Interpreter::OnAreaLeft(const uint8_t* command, size_t) {
    text_.areaLeftDots = Word(command + 2);
}

void Interpreter::OnAreaWidth(const uint8_t* command, size_t) {
    text_.areaWidthDots = Word(command + 2);
}

void Interpreter::OnCodePage(const uint8_t* command, size_t) {
    CodePage page;
    if (!CodePageFor(command[2], &page)) {
        const std::string kept =
            text_.doubleByte ? std::string("two-byte characters") : CodePageName(text_.codePage);
        LogAt(CodePageRefusal(command[2]) + " (text stays in " + kept + ")");
        return;
    }
    text_.codePage = page;
    // A code page chosen means single-byte text, as from FS .
    text_.doubleByte = false;
}

void Interpreter::OnDoubleByteOn(const uint8_t*, size_t) {
    text_.doubleByte = true;
}

void Interpreter::OnDoubleByteOff(const uint8_t*, size_t) {
    text_.doubleByte = false;
}

} // namespace vprinter
