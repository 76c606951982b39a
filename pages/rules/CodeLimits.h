#pragma once
// Limits and lists of the two-dimensional code pages that need no user interface.

#include <array>
#include <cstddef>

// The store command's 16-bit length field also counts three command bytes.
inline constexpr size_t CODE2D_MAX_DATA = 65532;

// DataMatrix symbol sizes, list row = size number - 1. The ECC 200 sizes in their usual
// order (square, then rectangular), then the first two rectangular extension sizes so that
// every one of the printer's 32 numbered sizes names a real symbol; then the automatic
// choices. The texts are UTF-8 ("×" is U+00D7).
inline constexpr size_t DATAMATRIX_SIZE_COUNT = 35;
inline constexpr size_t DATAMATRIX_SQUARE_AUTO_ROW = 32;
// The automatic choices are words, marked for translation in this context; the sizes
// read the same in every language.
extern const std::array<const char*, DATAMATRIX_SIZE_COUNT> DATAMATRIX_SIZES;
inline constexpr const char* CODE_LIMITS_CONTEXT = "CodeLimits";
