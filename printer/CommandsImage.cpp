// Raster images (GS v 0) and bit-image bands (ESC *).

#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

namespace layout {
namespace {
// Every 16 steps of the ESC * mode byte add one byte (eight dots) to a column.
constexpr uint32_t BIT_IMAGE_MODES_PER_BYTE = 16;
constexpr uint32_t WORD_BASE = 256;
} // namespace

CommandBytes RasterImageHeader(uint8_t m, uint8_t xL, uint8_t xH, uint8_t yL, uint8_t yH) {
    return {GS, 'v', '0', m, xL, xH, yL, yH};
}
CommandBytes BitImageHeader(uint8_t m, uint8_t nL, uint8_t nH) {
    return {ESC, '*', m, nL, nH};
}

// At most 65535 x 65535 bytes, which still fits 32 bits.
uint32_t RasterImageLength(uint8_t xL, uint8_t xH, uint8_t yL, uint8_t yH) {
    return (xL + WORD_BASE * xH) * (yL + WORD_BASE * yH);
}
uint32_t BitImageLength(uint8_t m, uint8_t nL, uint8_t nH) {
    return (nL + WORD_BASE * nH) * (m / BIT_IMAGE_MODES_PER_BYTE + 1);
}

} // namespace layout

void CVRNX_LIB::PrintRasterImage(uint8_t m, uint8_t xL, uint8_t xH, uint8_t yL, uint8_t yH,
                                 const void* data) {
    Send(layout::RasterImageHeader(m, xL, xH, yL, yH));
    Write(data, layout::RasterImageLength(xL, xH, yL, yH));
}

void CVRNX_LIB::PrintBitImage(uint8_t m, uint8_t nL, uint8_t nH, const void* data) {
    Send(layout::BitImageHeader(m, nL, nH));
    Write(data, layout::BitImageLength(m, nL, nH));
}
