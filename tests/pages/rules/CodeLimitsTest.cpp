#include "pages/rules/CodeLimits.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(DataMatrixSizes, EveryNumberedRowNamesADistinctRealSize) {
    EXPECT_STREQ(DATAMATRIX_SIZES[0], "10×10");
    EXPECT_STREQ(DATAMATRIX_SIZES[4], "18×18");
    EXPECT_STREQ(DATAMATRIX_SIZES[DATAMATRIX_SQUARE_AUTO_ROW], "Square auto");
    EXPECT_STREQ(DATAMATRIX_SIZES[33], "Rect auto");
    EXPECT_STREQ(DATAMATRIX_SIZES[34], "Shape auto");
    // Sizes of the standard: square sizes and the rectangular ones, with their extension.
    const std::set<std::string> real = {
        "10×10", "12×12", "14×14", "16×16", "18×18",   "20×20",   "22×22",   "24×24",
        "26×26", "32×32", "36×36", "40×40", "44×44",   "48×48",   "52×52",   "64×64",
        "72×72", "80×80", "88×88", "96×96", "104×104", "120×120", "132×132", "144×144",
        "8×18",  "8×32",  "12×26", "12×36", "16×36",   "16×48",   "8×48",    "8×64",
        "8×80",  "8×96",  "8×120", "8×144", "12×64",   "12×88"};
    std::set<std::string> seen;
    for (size_t row = 0; row < DATAMATRIX_SQUARE_AUTO_ROW; ++row) {
        EXPECT_TRUE(real.count(DATAMATRIX_SIZES[row])) << row;
        EXPECT_TRUE(seen.insert(DATAMATRIX_SIZES[row]).second) << row;
    }
}
