#pragma once
// How long each kind of command is, read from its first bytes: a measure returns
// the command's whole length once it can tell (it may be longer than what has
// arrived), or NEED_MORE while the bytes that tell have not arrived yet.
#include <cstddef>
#include <cstdint>

namespace vprinter::lengths {

constexpr size_t NEED_MORE = 0;
constexpr size_t MAX_TEXT_FIELD = 255; // a NUL-ended field ends here if no NUL comes

template <size_t N> size_t Fixed(const uint8_t*, size_t) {
    return N;
}

// A header of HEADER bytes whose last two (pL pH) count the bytes after it.
template <size_t HEADER> size_t Framed(const uint8_t* data, size_t available) {
    if (available < HEADER) return NEED_MORE;
    return HEADER + data[HEADER - 2] + 256u * data[HEADER - 1];
}

size_t TabStops(const uint8_t* data, size_t available);       // ESC D n1 .. nk NUL
size_t BitImage(const uint8_t* data, size_t available);       // ESC * m nL nH d..
size_t UserCharacters(const uint8_t* data, size_t available); // ESC & y c1 c2 [x d..]..
size_t SelectSensor(const uint8_t* data, size_t available);   // ESC c 3/4/5 n
size_t Barcode(const uint8_t* data, size_t available);        // GS k, both forms
size_t VerticalTabRow(const uint8_t* data, size_t available); // FS V
size_t Cut(const uint8_t* data, size_t available);            // GS V m [n]
size_t RealtimeRequest(const uint8_t* data, size_t available); // DLE DC4 fn ..
size_t StatusRequest(const uint8_t* data, size_t available);  // DLE EOT n [a]
size_t LongFramed(const uint8_t* data, size_t available);     // GS 8 L p1..p4 ..
size_t DownloadedImage(const uint8_t* data, size_t available); // GS * x y d..
size_t NvImages(const uint8_t* data, size_t available);       // FS q n [xL xH yL yH d..]..
size_t NvUserMemory(const uint8_t* data, size_t available);   // FS g 1 / FS g 2
size_t Counter(const uint8_t* data, size_t available);        // GS C 0/1/2/;
size_t KanjiCharacter(const uint8_t* data, size_t available); // FS 2 c1 c2 d1..d72

} // namespace vprinter::lengths
