#include "console/samples/ImageBands.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {
constexpr uint8_t TOP_DOT_MASK = 0x80;
} // namespace

int BandCount(const DotMatrix& matrix, int bandHeight) {
    return (matrix.height + bandHeight - 1) / bandHeight;
}

std::vector<uint8_t> BuildBitImageBand(const DotMatrix& matrix, int band, int bandHeight,
                                       int columns) {
    const int bytesPerColumn = bandHeight / DOTS_PER_BYTE;
    const int width = std::min(columns, matrix.width);
    std::vector<uint8_t> bytes(static_cast<size_t>(columns) * static_cast<size_t>(bytesPerColumn));
    const int top = band * bandHeight;
    const int rows = std::min(bandHeight, matrix.height - top);
    // Row by row, so the matrix is read in its own order.
    for (int y = 0; y < rows; ++y) {
        const uint8_t* row = matrix.Row(top + y);
        const uint8_t mask = static_cast<uint8_t>(TOP_DOT_MASK >> (y % DOTS_PER_BYTE));
        uint8_t* out = bytes.data() + y / DOTS_PER_BYTE;
        for (int x = 0; x < width; ++x, out += bytesPerColumn) {
            if (row[x] != DOT_WHITE) *out |= mask;
        }
    }
    return bytes;
}

int RasterBytesPerRow(int columns) {
    return (columns + DOTS_PER_BYTE - 1) / DOTS_PER_BYTE;
}

namespace {

// Eight dots of 0 or 1, leftmost first, into one byte with the leftmost dot on top.
inline uint8_t PackEight(const uint8_t* dots) {
    uint64_t word;
    std::memcpy(&word, dots, sizeof word);
    // Each dot byte is 0 or 1: the multiply moves bit 0 of byte i to bit 63 - i, with no
    // carries into the top byte, so the first dot (lowest address on a little-endian
    // machine) becomes the most significant bit.
    static_assert(std::endian::native == std::endian::little);
    constexpr uint64_t GATHER = 0x8040201008040201ULL;
    return static_cast<uint8_t>((word * GATHER) >> 56);
}

} // namespace

std::vector<uint8_t> BuildRasterBlock(const DotMatrix& matrix, int columns) {
    return BuildRasterRows(matrix, columns, 0, matrix.height);
}

std::vector<uint8_t> BuildRasterRows(const DotMatrix& matrix, int columns, int firstRow,
                                     int rowCount) {
    firstRow = std::clamp(firstRow, 0, matrix.height);
    rowCount = std::clamp(rowCount, 0, matrix.height - firstRow);
    const int bytesPerRow = RasterBytesPerRow(columns);
    const int width = std::min(columns, matrix.width);
    const int wholeBytes = width / DOTS_PER_BYTE;
    std::vector<uint8_t> block(static_cast<size_t>(bytesPerRow) * static_cast<size_t>(rowCount));
    for (int y = 0; y < rowCount; ++y) {
        const uint8_t* row = matrix.Row(firstRow + y);
        uint8_t* out = block.data() + static_cast<size_t>(y) * static_cast<size_t>(bytesPerRow);
        for (int i = 0; i < wholeBytes; ++i) out[i] = PackEight(row + i * DOTS_PER_BYTE);
        for (int x = wholeBytes * DOTS_PER_BYTE; x < width; ++x) {
            if (row[x] != DOT_WHITE) out[x / DOTS_PER_BYTE] |= TOP_DOT_MASK >> (x % DOTS_PER_BYTE);
        }
    }
    return block;
}
