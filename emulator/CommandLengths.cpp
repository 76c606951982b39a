#include "CommandLengths.h"

#include "PrinterState.h"

namespace vprinter::lengths {

namespace {

constexpr uint8_t NUL = 0x00;
constexpr size_t KANJI_PATTERN_BYTES = 72; // 24 x 24 dots
constexpr int COUNTER_FIELDS = 5;          // GS C ; sa ; sb ; sn ; sr ; sc ;

size_t Word(const uint8_t* at) {
    return at[0] + 256u * at[1];
}

} // namespace

size_t TabStops(const uint8_t* data, size_t available) {
    for (size_t i = 2; i < available; ++i) {
        if (data[i] == NUL) return i + 1;
        if (i - 2 + 1 == PRN_MAX_TAB_STOPS) return i + 1;
    }
    return NEED_MORE;
}

size_t BitImage(const uint8_t* data, size_t available) {
    if (available < 5) return NEED_MORE;
    return 5 + Word(data + 3) * (data[2] / 16 + 1u);
}

// ESC & y c1 c2, then for each character from c1 to c2 its width x and y * x bytes.
size_t UserCharacters(const uint8_t* data, size_t available) {
    if (available < 5) return NEED_MORE;
    const size_t y = data[2];
    const int count = data[4] >= data[3] ? data[4] - data[3] + 1 : 0;
    size_t at = 5;
    for (int c = 0; c < count; ++c) {
        if (available <= at) return NEED_MORE;
        at += 1 + y * data[at];
    }
    return at;
}

size_t SelectSensor(const uint8_t*, size_t) {
    return 4;
}

// GS k m n d1..dn (m from 0x41), or GS k m d1..dk NUL (m below 0x41).
size_t Barcode(const uint8_t* data, size_t available) {
    constexpr uint8_t LENGTH_FORM = 0x41;
    if (available < 3) return NEED_MORE;
    if (data[2] >= LENGTH_FORM) return available < 4 ? NEED_MORE : 4 + data[3];
    for (size_t i = 3; i < available; ++i)
        if (data[i] == NUL || i - 3 == MAX_TEXT_FIELD) return i + 1;
    return NEED_MORE;
}

// FS V n s1..sn k p1..pk, then k times: mode, text, NUL.
size_t VerticalTabRow(const uint8_t* data, size_t available) {
    size_t at = 3;
    if (available < at) return NEED_MORE;
    at += data[2];
    if (available < at + 1) return NEED_MORE;
    const size_t cells = data[at];
    at += 1 + cells;
    for (size_t cell = 0; cell < cells; ++cell) {
        ++at; // mode
        size_t text = 0;
        for (;;) {
            if (available <= at) return NEED_MORE;
            if (data[at++] == NUL || ++text == MAX_TEXT_FIELD) break;
        }
    }
    return at;
}

// GS V m: function A (0, 1, 48, 49) alone; B (65, 66), C (97, 98) and D (103,
// 104) carry a feed amount.
size_t Cut(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    switch (data[2]) {
    case 65:
    case 66:
    case 97:
    case 98:
    case 103:
    case 104:
        return 4;
    }
    return 3;
}

// DLE DC4 fn: buffer clear (fn 8) carries seven fixed bytes, fn 1, 2 and 7 two.
size_t RealtimeRequest(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    if (data[2] == 8) return 10;
    if (data[2] == 1 || data[2] == 2 || data[2] == 7) return 5;
    return 3;
}

// DLE EOT n; n = 7 and 8 (paper sensor, ink) take one more byte.
size_t StatusRequest(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    return data[2] == 7 || data[2] == 8 ? 4 : 3;
}

// GS 8 L p1 p2 p3 p4: four bytes count what follows.
size_t LongFramed(const uint8_t* data, size_t available) {
    if (available < 7) return NEED_MORE;
    return 7 + (data[3] | size_t{data[4]} << 8 | size_t{data[5]} << 16 | size_t{data[6]} << 24);
}

// GS * x y: x * 8 columns of y bytes.
size_t DownloadedImage(const uint8_t* data, size_t available) {
    if (available < 4) return NEED_MORE;
    return 4 + size_t{data[2]} * data[3] * 8;
}

// FS q n, then n images of xL xH yL yH and x * y * 8 bytes.
size_t NvImages(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    size_t at = 3;
    for (int image = 0; image < data[2]; ++image) {
        if (available < at + 4) return NEED_MORE;
        at += 4 + Word(data + at) * Word(data + at + 2) * 8;
    }
    return at;
}

// FS g 1 m a1..a4 nL nH d1..dk (write), FS g 2 m a1..a4 nL nH (read).
size_t NvUserMemory(const uint8_t* data, size_t available) {
    if (available < 10) return NEED_MORE;
    return data[2] == 1 || data[2] == '1' ? 10 + Word(data + 8) : 10;
}

// GS C 0 n m, GS C 1 aL aH bL bH n r, GS C 2 nL nH, GS C ; with five ";"-ended fields.
size_t Counter(const uint8_t* data, size_t available) {
    if (available < 3) return NEED_MORE;
    switch (data[2]) {
    case 0:
    case '0':
        return 5;
    case 1:
    case '1':
        return 9;
    case 2:
    case '2':
        return 5;
    case ';': {
        int fields = 0;
        for (size_t i = 3; i < available; ++i)
            if (data[i] == ';' && ++fields == COUNTER_FIELDS) return i + 1;
        return NEED_MORE;
    }
    }
    return 3;
}

size_t KanjiCharacter(const uint8_t*, size_t) {
    return 4 + KANJI_PATTERN_BYTES;
}

} // namespace vprinter::lengths
