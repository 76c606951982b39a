#include "pages/rules/CodeLimits.h"

#include "pages/rules/Translatable.h"

// clang-format off
const std::array<const char*, DATAMATRIX_SIZE_COUNT> DATAMATRIX_SIZES = {
    "10×10", "12×12", "14×14", "16×16", "18×18", "20×20", "22×22", "24×24",
    "26×26", "32×32", "36×36", "40×40", "44×44", "48×48", "52×52", "64×64",
    "72×72", "80×80", "88×88", "96×96", "104×104", "120×120", "132×132", "144×144",
    "8×18", "8×32", "12×26", "12×36", "16×36", "16×48", "8×48", "8×64",
    TPC_TRANSLATE_NOOP("CodeLimits", "Square auto"), TPC_TRANSLATE_NOOP("CodeLimits", "Rect auto"),
    TPC_TRANSLATE_NOOP("CodeLimits", "Shape auto"),
};
// clang-format on
