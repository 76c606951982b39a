// The hex text writer and reader shared by the record, the operation records and the
// console's HEX boxes.

#include "printer/HexText.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

TEST(HexTextWriter, TwoUpperCaseDigitsAndABlankPerByte) {
    EXPECT_EQ(ToHexText("AB"), "41 42 ");
    const uint8_t bytes[] = {0x00, 0x0A, 0xAB, 0x10, 0xFF};
    EXPECT_EQ(ToHexText(bytes, sizeof bytes), "00 0A AB 10 FF ");
    EXPECT_EQ(ToHexText("", 0), "");
    EXPECT_EQ(ToHexText(std::string_view("\x80\xFE", 2)), "80 FE ");
}

TEST(HexTextWriter, AppendsAfterExistingText) {
    std::string text = "1D 6B 43 0C ";
    AppendHexText(text, "01", 2);
    EXPECT_EQ(text, "1D 6B 43 0C 30 31 ");
    AppendHexText(text, nullptr, 0);
    EXPECT_EQ(text, "1D 6B 43 0C 30 31 ");
}

TEST(HexTextWriter, EveryByteValueRoundTrips) {
    Bytes all(256);
    for (int i = 0; i < 256; ++i) all[i] = static_cast<uint8_t>(i);
    const std::string text = ToHexText(all.data(), all.size());
    ASSERT_EQ(text.size(), 256u * HEX_CHARS_PER_BYTE);
    EXPECT_EQ(text.substr(0x7F * 3, 12), "7F 80 81 82 ");
    EXPECT_EQ(text.substr(0xFE * 3), "FE FF ");
    EXPECT_EQ(FromHexText(text), all);
}

struct ReaderCase {
    const char* name;
    std::string text;
    Bytes bytes;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

class HexTextReader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(HexTextReader, PairsDigitsFromTheFirstAfterASeparator) {
    EXPECT_EQ(FromHexText(GetParam().text), GetParam().bytes);
}

const ReaderCase READER_CASES[] = {
    {"Packed", "1B40", {0x1B, 0x40}},
    {"Spaced", "1B 40", {0x1B, 0x40}},
    {"LowerCaseAndLoneDigit", "1b 4 0A", {0x1B, 0x04, 0x0A}},
    {"LoneDigitsEachAByte", "1 B", {0x01, 0x0B}},
    {"OddRunPairsWithTheNextCharacter", "ABC D", {0xAB, 0x0C, 0x0D}},
    {"LoneDigitAtTheEnd", "1B 4", {0x1B, 0x04}},
    {"SeparatorsOnly", " \r\n\b  \r\n", {}},
    {"Empty", "", {}},
    {"LineBreaksAndBackspaces", "1B\r\n40\b0A", {0x1B, 0x40, 0x0A}},
    {"HighBytes", "80 9f Ff fe", {0x80, 0x9F, 0xFF, 0xFE}},
    // A pair that starts with no digit is dropped whole, its partner included.
    {"NoDigitFirstIsDropped", "G1 41", {0x41}},
    {"NoDigitPairsAmidDigits", "41 zz 42 -1 43", {0x41, 0x42, 0x43}},
    {"DigitThenNoDigit", "4G 41", {0x04, 0x41}},
    {"TabIsNoSeparator", "\t41", {0x01}},
    {"HighCharactersAreNoDigits", std::string("\xC3\xA9 41"), {0x41}},
};

INSTANTIATE_TEST_SUITE_P(Cases, HexTextReader, ::testing::ValuesIn(READER_CASES),
                         [](const ::testing::TestParamInfo<ReaderCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
