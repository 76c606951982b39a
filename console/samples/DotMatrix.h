#pragma once
// A converted picture: one byte per dot, rows from the top, 1 = black, 0 = white.
// The bit-image bands and the raster block are cut from it at print time.

#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr uint8_t DOT_BLACK = 1;
inline constexpr uint8_t DOT_WHITE = 0;

struct DotMatrix {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> dots; // width * height bytes, row r starts at r * width

    bool Empty() const { return width == 0 || height == 0; }
    void Reset() {
        width = 0;
        height = 0;
        dots.clear();
    }
    // Sizes the matrix for a picture; the dots are left for the converter to fill.
    void Resize(int w, int h) {
        width = w;
        height = h;
        dots.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    }
    uint8_t* Row(int y) {
        return dots.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
    const uint8_t* Row(int y) const {
        return dots.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
};
