#pragma once
// The built-in picture of the "Picture" quick test: a 384 x 91 dot test pattern in
// raster layout (48 bytes a row, leftmost dot in the most significant bit) with the
// product name, a grey-step wedge, line-width ladders, a fine checkerboard, diagonals
// and a dot ruler, so a technician can judge print quality at a glance.

#include <cstddef>
#include <cstdint>

inline constexpr int SAMPLE_PICTURE_WIDTH = 384;
inline constexpr int SAMPLE_PICTURE_HEIGHT = 91;
inline constexpr int SAMPLE_PICTURE_ROW_BYTES = SAMPLE_PICTURE_WIDTH / 8;
inline constexpr size_t SAMPLE_PICTURE_BYTES =
    static_cast<size_t>(SAMPLE_PICTURE_ROW_BYTES) * SAMPLE_PICTURE_HEIGHT;

// The 4368 bytes of the picture; drawn once, on first use.
const uint8_t* SamplePicture();
