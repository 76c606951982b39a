#include "emulator/CommandLengths.h"

#include "emulator/PrinterState.h"

#include <cstring>
#include <limits>

namespace vprinter::lengths {

namespace {

constexpr uint8_t NUL = 0x00;
constexpr uint8_t FIELD_END = ';';
constexpr size_t NO_LIMIT = std::numeric_limits<size_t>::max();
constexpr size_t KANJI_PATTERN_BYTES = 72; // 24 x 24 dots
constexpr size_t COUNTER_FIELDS = 5;       // GS C ; sa ; sb ; sn ; sr ; sc ;
constexpr size_t NV_IMAGE_HEADER = 4;      // xL xH yL yH
constexpr size_t NV_IMAGE_COLUMN = 8;      // bytes per x and y unit

size_t Word(const Piece& piece, size_t at) {
    return piece[at] + 256u * piece[at + 1];
}

// Walks a field that ends at its terminator (which belongs to it) or after
// `limit` bytes: true once walk->at is past its end, false when the bytes that
// have arrived end inside it. Each byte is looked at once.
bool WalkField(const Piece& piece, Walk* walk, uint8_t terminator, size_t limit) {
    if (walk->at >= piece.end) return false;
    const uint8_t* from = piece.data + (walk->at - piece.first);
    const size_t there = std::min(piece.end - walk->at, limit - walk->fieldBytes);
    if (const void* found = std::memchr(from, terminator, there)) {
        walk->at += static_cast<size_t>(static_cast<const uint8_t*>(found) - from) + 1;
        walk->fieldBytes = 0;
        return true;
    }
    walk->at += there;
    walk->fieldBytes += there;
    if (walk->fieldBytes < limit) return false;
    walk->fieldBytes = 0;
    return true;
}

} // namespace

size_t TabStops(const Piece& piece, Walk* walk) {
    constexpr size_t HEADER = 2; // ESC D
    if (walk->at == 0) walk->at = HEADER;
    return WalkField(piece, walk, NUL, PRN_MAX_TAB_STOPS) ? walk->at : NEED_MORE;
}

size_t BitImage(const Piece& piece, Walk*) {
    if (piece.end < 5) return NEED_MORE;
    return 5 + Word(piece, 3) * (piece[2] / 16 + 1u);
}

// ESC & y c1 c2, then for each character from c1 to c2 its width x and y * x bytes.
size_t UserCharacters(const Piece& piece, Walk* walk) {
    constexpr size_t HEADER = 5;
    if (walk->at == 0) {
        if (piece.end < HEADER) return NEED_MORE;
        walk->height = piece[2];
        walk->count = piece[4] >= piece[3] ? piece[4] - piece[3] + 1u : 0;
        walk->at = HEADER;
    }
    for (; walk->items < walk->count; ++walk->items) {
        if (piece.end <= walk->at) return NEED_MORE;
        walk->at += 1 + size_t{walk->height} * piece[walk->at];
    }
    return walk->at;
}

size_t SelectSensor(const Piece&, Walk*) {
    return 4;
}

// GS k m n d1..dn (m from 0x41), or GS k m d1..dk NUL (m below 0x41).
size_t Barcode(const Piece& piece, Walk* walk) {
    constexpr uint8_t LENGTH_FORM = 0x41;
    constexpr size_t HEADER = 3;
    if (walk->at == 0) {
        if (piece.end < HEADER) return NEED_MORE;
        if (piece[2] >= LENGTH_FORM) return piece.end < 4 ? NEED_MORE : 4 + piece[3];
        walk->at = HEADER;
    }
    return WalkField(piece, walk, NUL, MAX_TEXT_FIELD + 1) ? walk->at : NEED_MORE;
}

// FS V n s1..sn k p1..pk, then k times: mode, text, NUL.
size_t VerticalTabRow(const Piece& piece, Walk* walk) {
    if (walk->at == 0) {
        if (piece.end < 3) return NEED_MORE;
        const size_t stops = piece[2];
        if (piece.end < 3 + stops + 1) return NEED_MORE;
        walk->count = piece[3 + stops];
        walk->at = 3 + stops + 1 + walk->count;
    }
    for (; walk->items < walk->count; ++walk->items) {
        if (!walk->inCell) {
            ++walk->at; // the cell's mode
            walk->inCell = true;
        }
        if (!WalkField(piece, walk, NUL, MAX_TEXT_FIELD)) return NEED_MORE;
        walk->inCell = false;
    }
    return walk->at;
}

// GS V m: function A (0, 1, 48, 49) alone; B (65, 66), C (97, 98) and D (103,
// 104) carry a feed amount.
size_t Cut(const Piece& piece, Walk*) {
    if (piece.end < 3) return NEED_MORE;
    switch (piece[2]) {
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
size_t RealtimeRequest(const Piece& piece, Walk*) {
    if (piece.end < 3) return NEED_MORE;
    if (piece[2] == 8) return 10;
    if (piece[2] == 1 || piece[2] == 2 || piece[2] == 7) return 5;
    return 3;
}

// DLE EOT n; n = 7 and 8 (paper sensor, ink) take one more byte.
size_t StatusRequest(const Piece& piece, Walk*) {
    if (piece.end < 3) return NEED_MORE;
    return piece[2] == 7 || piece[2] == 8 ? 4 : 3;
}

// GS 8 L p1 p2 p3 p4: four bytes count what follows.
size_t LongFramed(const Piece& piece, Walk*) {
    if (piece.end < 7) return NEED_MORE;
    return 7 + (piece[3] | size_t{piece[4]} << 8 | size_t{piece[5]} << 16 |
                size_t{piece[6]} << 24);
}

// GS * x y: x * 8 columns of y bytes.
size_t DownloadedImage(const Piece& piece, Walk*) {
    if (piece.end < 4) return NEED_MORE;
    return 4 + size_t{piece[2]} * piece[3] * 8;
}

// FS q n, then n images of xL xH yL yH and x * y * 8 bytes: each image's size is
// read as its header arrives and its data passed over unread.
size_t NvImages(const Piece& piece, Walk* walk) {
    constexpr size_t HEADER = 3;
    if (walk->at == 0) {
        if (piece.end < HEADER) return NEED_MORE;
        walk->count = piece[2];
        walk->at = HEADER;
    }
    for (; walk->items < walk->count; ++walk->items) {
        if (piece.end < walk->at + NV_IMAGE_HEADER) return NEED_MORE;
        walk->at += NV_IMAGE_HEADER +
                    Word(piece, walk->at) * Word(piece, walk->at + 2) * NV_IMAGE_COLUMN;
    }
    return walk->at;
}

// FS g 1 m a1..a4 nL nH d1..dk (write), FS g 2 m a1..a4 nL nH (read).
size_t NvUserMemory(const Piece& piece, Walk*) {
    if (piece.end < 10) return NEED_MORE;
    return piece[2] == 1 || piece[2] == '1' ? 10 + Word(piece, 8) : 10;
}

// GS C 0 n m, GS C 1 aL aH bL bH n r, GS C 2 nL nH, GS C ; with five ";"-ended fields.
size_t Counter(const Piece& piece, Walk* walk) {
    constexpr size_t HEADER = 3;
    if (walk->at == 0) {
        if (piece.end < HEADER) return NEED_MORE;
        switch (piece[2]) {
        case 0:
        case '0':
            return 5;
        case 1:
        case '1':
            return 9;
        case 2:
        case '2':
            return 5;
        case ';':
            walk->at = HEADER;
            break;
        default:
            return HEADER;
        }
    }
    for (; walk->items < COUNTER_FIELDS; ++walk->items)
        if (!WalkField(piece, walk, FIELD_END, NO_LIMIT)) return NEED_MORE;
    return walk->at;
}

size_t KanjiCharacter(const Piece&, Walk*) {
    return 4 + KANJI_PATTERN_BYTES;
}

} // namespace vprinter::lengths
