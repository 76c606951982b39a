#pragma once
// Reducing a grey picture to printer dots by other rules than the plain threshold:
// error diffusion (Floyd-Steinberg, Atkinson) and ordered dithering with an 8 x 8
// Bayer matrix. The threshold is the mid-point of each rule: a dot is black when its
// value (with the diffused error, or shifted by the matrix) is at or below it, as
// with the plain rule. No Qt here, so the rules are tested and measured alone.

#include "console/samples/DotMatrix.h"

#include <vector>

enum class DotRule {
    Threshold,      // the design's rule, one comparison per dot
    FloydSteinberg, // 7/16 right, 3/16 down-left, 5/16 down, 1/16 down-right
    Atkinson,       // 1/8 to six neighbours; a quarter of the error is dropped
    Bayer8,         // ordered: the threshold shifted by an 8 x 8 matrix
};

inline constexpr float GREY_WHITE = 255.0f;
inline constexpr float GREY_BLACK = 0.0f;

// A picture as grey values 0..255 (0.299 R + 0.587 G + 0.114 B), rows from the top.
struct GreyPicture {
    int width = 0;
    int height = 0;
    std::vector<float> grey; // width * height
};

// Fills `matrix` from `picture` by `rule` at `threshold`. For DotRule::Threshold a dot
// is black when grey <= threshold.
void DitherToDots(const GreyPicture& picture, DotRule rule, int threshold, DotMatrix& matrix);

// The 8 x 8 ordered-dither matrix, values 0..63.
extern const int BAYER8[8][8];
