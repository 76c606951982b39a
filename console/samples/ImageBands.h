#pragma once
// Cutting a dot matrix into what the image commands carry: bit-image bands (ESC *)
// and the raster block (GS v 0). Both are clipped at the right to `columns` dots.

#include "console/samples/DotMatrix.h"

#include <cstdint>
#include <vector>

// The mode list of bit-image printing, by list index.
struct BitImageMode {
    uint8_t m;      // ESC * mode byte
    int bandHeight; // dots per band: 8 or 24
};
inline constexpr BitImageMode BIT_IMAGE_MODES[] = {
    {0, 8},   // "8-dot single-density"
    {1, 8},   // "8-dot double-density"
    {32, 24}, // "24-dot single-density"
    {33, 24}, // "24-dot double-density"
};
inline constexpr int BIT_IMAGE_MODE_COUNT = 4;

inline constexpr int DOTS_PER_BYTE = 8;
// The raster command counts rows in a 16-bit field.
inline constexpr int RASTER_MAX_ROWS = 0xFFFF;

// Number of bands of `bandHeight` dots that cover the matrix.
int BandCount(const DotMatrix& matrix, int bandHeight);

// Band `band` (from the top): `columns` columns of bandHeight / 8 bytes each, column
// after column from the left, each column from the top down, the top dot in the most
// significant bit. Rows below the picture are white.
std::vector<uint8_t> BuildBitImageBand(const DotMatrix& matrix, int band, int bandHeight,
                                       int columns);

// Bytes per raster row for `columns` dots, padded to whole bytes.
int RasterBytesPerRow(int columns);

// All rows from the top, RasterBytesPerRow(columns) bytes each, the leftmost dot in the
// most significant bit; padding dots are white.
std::vector<uint8_t> BuildRasterBlock(const DotMatrix& matrix, int columns);
// The same for `rowCount` rows from `firstRow`: one slice of a picture sent in blocks.
std::vector<uint8_t> BuildRasterRows(const DotMatrix& matrix, int columns, int firstRow,
                                     int rowCount);
