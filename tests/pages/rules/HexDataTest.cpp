#include "pages/rules/HexData.h"

#include <gtest/gtest.h>

namespace {
std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> list) {
    return list;
}
} // namespace

TEST(HexData, PairsAreReadFromTheFirstNonSeparator) {
    EXPECT_EQ(ReadHexData("1B40").bytes, Bytes({0x1B, 0x40}));
    EXPECT_EQ(ReadHexData("1b 40 ").bytes, Bytes({0x1B, 0x40}));
    EXPECT_EQ(ReadHexData("1b 4 0A").bytes, Bytes({0x1B, 0x04, 0x0A}));
    EXPECT_EQ(ReadHexData("1 B").bytes, Bytes({0x01, 0x0B}));
    EXPECT_EQ(ReadHexData("ABC D").bytes, Bytes({0xAB, 0x0C, 0x0D}));
    EXPECT_EQ(ReadHexData("\r\n31\b32\r\n33").bytes, Bytes({0x31, 0x32, 0x33}));
    EXPECT_TRUE(ReadHexData("ABC D").wellFormed);
}

TEST(HexData, SeparatorsOnlyGiveNoBytes) {
    const HexData data = ReadHexData(" \r\n \b ");
    EXPECT_TRUE(data.bytes.empty());
    EXPECT_TRUE(data.wellFormed);
    EXPECT_TRUE(ReadHexData("").bytes.empty());
}

TEST(HexData, ForeignPairsAreFlagged) {
    const HexData lead = ReadHexData("ZZ 41");
    EXPECT_FALSE(lead.wellFormed);
    EXPECT_EQ(lead.bytes, Bytes({0x41})); // the foreign pair is skipped
    const HexData tail = ReadHexData("4G");
    EXPECT_FALSE(tail.wellFormed);
    EXPECT_EQ(tail.bytes, Bytes({0x04}));
    EXPECT_FALSE(ReadHexData("41\t42").wellFormed);
    EXPECT_FALSE(ReadHexData("-1").wellFormed);
}
