#include "console/samples/PictureDither.h"

#include <algorithm>
#include <cstddef>

const int BAYER8[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

namespace {

constexpr int BAYER_SIZE = 8;
constexpr int BAYER_MASK = BAYER_SIZE - 1;
constexpr float BAYER_LEVELS = 64.0f;
constexpr float HALF = 0.5f;

// Where an error-diffusion rule sends a dot's error: offsets and weights.
struct Spread {
    int dx, dy;
    float weight;
};
constexpr Spread FLOYD_STEINBERG[] = {
    {1, 0, 7.0f / 16}, {-1, 1, 3.0f / 16}, {0, 1, 5.0f / 16}, {1, 1, 1.0f / 16}};
constexpr Spread ATKINSON[] = {{1, 0, 1.0f / 8}, {2, 0, 1.0f / 8},  {-1, 1, 1.0f / 8},
                               {0, 1, 1.0f / 8}, {1, 1, 1.0f / 8},  {0, 2, 1.0f / 8}};
constexpr int MAX_SPREAD_ROWS = 3; // the row itself and two below

// Error diffusion keeps only the rows the spread reaches: a ring of row buffers, each
// two dots wider on both sides so that no neighbour needs a bounds check.
template <size_t N>
void Diffuse(const GreyPicture& picture, const Spread (&spread)[N], float threshold,
             DotMatrix& matrix) {
    constexpr int PAD = 2;
    const int w = picture.width;
    const size_t stride = static_cast<size_t>(w) + 2 * PAD;
    std::vector<float> rows(stride * MAX_SPREAD_ROWS, 0.0f);
    for (int y = 0; y < picture.height; ++y) {
        float* err[MAX_SPREAD_ROWS];
        for (int k = 0; k < MAX_SPREAD_ROWS; ++k)
            err[k] = rows.data() + stride * static_cast<size_t>((y + k) % MAX_SPREAD_ROWS) + PAD;
        const float* grey = picture.grey.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        uint8_t* out = matrix.Row(y);
        for (int x = 0; x < w; ++x) {
            const float value = grey[x] + err[0][x];
            const bool black = value <= threshold;
            out[x] = black ? DOT_BLACK : DOT_WHITE;
            const float e = value - (black ? GREY_BLACK : GREY_WHITE);
            for (const Spread& s : spread) err[s.dy][x + s.dx] += e * s.weight;
        }
        // This row's buffer comes back as the row three below: empty. Errors that fell
        // into the pads beyond the edges are never read, so they go nowhere.
        std::fill(err[0] - PAD, err[0] - PAD + stride, 0.0f);
    }
}

void Ordered(const GreyPicture& picture, float threshold, DotMatrix& matrix) {
    // Each matrix cell shifts the threshold by up to half the grey range either way.
    float shifted[BAYER_SIZE][BAYER_SIZE];
    for (int i = 0; i < BAYER_SIZE; ++i)
        for (int j = 0; j < BAYER_SIZE; ++j)
            shifted[i][j] =
                threshold + ((static_cast<float>(BAYER8[i][j]) + HALF) / BAYER_LEVELS - HALF) *
                                GREY_WHITE;
    for (int y = 0; y < picture.height; ++y) {
        const float* grey =
            picture.grey.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.width);
        const float* cut = shifted[y & BAYER_MASK];
        uint8_t* out = matrix.Row(y);
        for (int x = 0; x < picture.width; ++x)
            out[x] = grey[x] <= cut[x & BAYER_MASK] ? DOT_BLACK : DOT_WHITE;
    }
}

void Plain(const GreyPicture& picture, float threshold, DotMatrix& matrix) {
    for (int y = 0; y < picture.height; ++y) {
        const float* grey =
            picture.grey.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.width);
        uint8_t* out = matrix.Row(y);
        for (int x = 0; x < picture.width; ++x)
            out[x] = grey[x] <= threshold ? DOT_BLACK : DOT_WHITE;
    }
}

} // namespace

void DitherToDots(const GreyPicture& picture, DotRule rule, int threshold, DotMatrix& matrix) {
    matrix.Reset();
    if (picture.width <= 0 || picture.height <= 0) return;
    matrix.Resize(picture.width, picture.height);
    const auto cut = static_cast<float>(threshold);
    switch (rule) {
    case DotRule::Threshold:
        Plain(picture, cut, matrix);
        return;
    case DotRule::FloydSteinberg:
        Diffuse(picture, FLOYD_STEINBERG, cut, matrix);
        return;
    case DotRule::Atkinson:
        Diffuse(picture, ATKINSON, cut, matrix);
        return;
    case DotRule::Bayer8:
        Ordered(picture, cut, matrix);
        return;
    }
}
