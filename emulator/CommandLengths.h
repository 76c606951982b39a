#pragma once
// How long each kind of command is, read from its bytes: a measure returns the
// command's whole length once it can tell (it may be longer than what has
// arrived), or NEED_MORE while the bytes that tell have not arrived yet.
//
// A command may arrive in many pieces. A measure keeps its place in a Walk and
// goes on from there when called again with more bytes, so no command is read
// again from its start; bytes before walk.at are never looked at again, which is
// what lets a command too long to hold be measured as it streams by.
#include <cstddef>
#include <cstdint>

namespace vprinter::lengths {

constexpr size_t NEED_MORE = 0;
constexpr size_t MAX_TEXT_FIELD = 255; // a NUL-ended field ends here if no NUL comes

// The bytes of a command a measure may look at: data[0] is the command's byte
// number `first`, and `end` is one past the last byte that has arrived.
struct Piece {
    const uint8_t* data;
    size_t first;
    size_t end;
    uint8_t operator[](size_t offset) const { return data[offset - first]; }
};

// Where a measure stands in a command. A measure that never moves `at` from 0
// reads only the command's first few bytes; the caller keeps every byte from
// `at` on (there may be none: `at` can run ahead of the bytes that arrived, over
// data whose size is already known).
struct Walk {
    size_t at = 0;         // the next byte to look at
    size_t items = 0;      // fields, characters, images or cells passed
    size_t count = 0;      // how many of them the command has
    size_t fieldBytes = 0; // bytes of the text field being walked
    bool inCell = false;   // FS V: the cell's mode byte is passed
    uint8_t height = 0;    // ESC &: bytes in each column
};

template <size_t N> size_t Fixed(const Piece&, Walk*) {
    return N;
}

// A header of HEADER bytes whose last two (pL pH) count the bytes after it.
template <size_t HEADER> size_t Framed(const Piece& piece, Walk*) {
    if (piece.end < HEADER) return NEED_MORE;
    return HEADER + piece[HEADER - 2] + 256u * piece[HEADER - 1];
}

size_t TabStops(const Piece& piece, Walk* walk);        // ESC D n1 .. nk NUL
size_t BitImage(const Piece& piece, Walk* walk);        // ESC * m nL nH d..
size_t UserCharacters(const Piece& piece, Walk* walk);  // ESC & y c1 c2 [x d..]..
size_t SelectSensor(const Piece& piece, Walk* walk);    // ESC c 3/4/5 n
size_t Barcode(const Piece& piece, Walk* walk);         // GS k, both forms
size_t VerticalTabRow(const Piece& piece, Walk* walk);  // FS V
size_t Cut(const Piece& piece, Walk* walk);             // GS V m [n]
size_t RealtimeRequest(const Piece& piece, Walk* walk); // DLE DC4 fn ..
size_t StatusRequest(const Piece& piece, Walk* walk);   // DLE EOT n [a]
size_t LongFramed(const Piece& piece, Walk* walk);      // GS 8 L p1..p4 ..
size_t DownloadedImage(const Piece& piece, Walk* walk); // GS * x y d..
size_t NvImages(const Piece& piece, Walk* walk);        // FS q n [xL xH yL yH d..]..
size_t NvUserMemory(const Piece& piece, Walk* walk);    // FS g 1 / FS g 2
size_t Counter(const Piece& piece, Walk* walk);         // GS C 0/1/2/;
size_t KanjiCharacter(const Piece& piece, Walk* walk);  // FS 2 c1 c2 d1..d72

} // namespace vprinter::lengths
