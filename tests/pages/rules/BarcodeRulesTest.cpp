#include "pages/rules/BarcodeRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int UPCA = 0;
constexpr int UPCE = 1;
constexpr int EAN13 = 2;
constexpr int EAN8 = 3;
constexpr int CODE39 = 4;
constexpr int ITF25 = 5;
constexpr int CODABAR = 6;
constexpr int CODA93 = 7;
constexpr int CODA128 = 8;
constexpr int EAN128 = 9;

bool Passes(int type, std::string_view text, bool hex = false) {
    return CheckBarcodeData(type, text, hex).has_value();
}

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> list) {
    return list;
}

} // namespace

TEST(BarcodeRules, FixedLengthSymbologiesNeedTheExactNumberOfDigits) {
    EXPECT_TRUE(Passes(UPCA, "01234567890"));
    EXPECT_FALSE(Passes(UPCA, "0123456789"));
    EXPECT_FALSE(Passes(UPCA, "012345678901"));
    EXPECT_FALSE(Passes(UPCA, "0123456789A"));
    EXPECT_TRUE(Passes(UPCE, "123456"));
    EXPECT_TRUE(Passes(EAN13, "012345678900"));
    EXPECT_FALSE(Passes(EAN13, "01234567890"));
    EXPECT_TRUE(Passes(EAN8, "1234567"));
    EXPECT_FALSE(Passes(EAN8, "123456 "));
    // A line break is part of the data and no digit.
    EXPECT_FALSE(Passes(UPCA, "012345678\r\n"));
}

TEST(BarcodeRules, Code39AcceptsCapitalsDigitsAndItsSymbolsOnly) {
    EXPECT_TRUE(Passes(CODE39, "ABC-123 $%+./"));
    EXPECT_FALSE(Passes(CODE39, "abc"));
    EXPECT_FALSE(Passes(CODE39, "A*B"));
    EXPECT_FALSE(Passes(CODE39, ""));
    EXPECT_TRUE(Passes(CODE39, std::string(255, 'A')));
    EXPECT_FALSE(Passes(CODE39, std::string(256, 'A')));
    EXPECT_FALSE(Passes(CODE39, std::string("A\0B", 3)));
}

TEST(BarcodeRules, Itf25NeedsAnEvenNumberOfDigits) {
    EXPECT_TRUE(Passes(ITF25, "12"));
    EXPECT_TRUE(Passes(ITF25, "123456"));
    EXPECT_FALSE(Passes(ITF25, "12345"));
    EXPECT_FALSE(Passes(ITF25, "1"));
    EXPECT_TRUE(Passes(ITF25, std::string(254, '7')));
    EXPECT_FALSE(Passes(ITF25, std::string(256, '7')));
}

TEST(BarcodeRules, CodabarNeedsStartAndStopLetters) {
    EXPECT_TRUE(Passes(CODABAR, "A123B"));
    EXPECT_TRUE(Passes(CODABAR, "a$+-./:d"));
    EXPECT_TRUE(Passes(CODABAR, "C"));
    EXPECT_FALSE(Passes(CODABAR, "1234"));
    EXPECT_FALSE(Passes(CODABAR, "A123"));
    EXPECT_FALSE(Passes(CODABAR, "E123B"));
    EXPECT_FALSE(Passes(CODABAR, "A1A3B")); // letters only at the ends
    EXPECT_FALSE(Passes(CODABAR, ""));
}

TEST(BarcodeRules, Code93AcceptsFunctionBytesInTextFormOnly) {
    EXPECT_TRUE(Passes(CODA93, "\x7F\x01 abc"));
    for (uint8_t fnc = 0xC1; fnc <= 0xC4; ++fnc) {
        const std::string text{'A', static_cast<char>(fnc)};
        EXPECT_TRUE(Passes(CODA93, text)) << int(fnc);
    }
    EXPECT_FALSE(Passes(CODA93, "A\xC5"));
    EXPECT_FALSE(Passes(CODA93, "A\x80"));
    EXPECT_TRUE(Passes(CODA93, "41 7F ", true));
    EXPECT_FALSE(Passes(CODA93, "41 C1 ", true));
    EXPECT_FALSE(Passes(CODA93, "80", true));
}

TEST(BarcodeRules, Code128TakesAsciiAndFunctionBytesInBothForms) {
    const auto ab = CheckBarcodeData(CODA128, "AB", false);
    ASSERT_TRUE(ab.has_value());
    EXPECT_EQ(*ab, Bytes({0x41, 0x42}));
    EXPECT_FALSE(Passes(CODA128, "A"));
    EXPECT_TRUE(Passes(EAN128, "A\xC4"));
    EXPECT_FALSE(Passes(EAN128, "A\xC0"));
    EXPECT_EQ(*CheckBarcodeData(CODA128, "A\r\n", false), Bytes({0x41, 0x0D, 0x0A}));

    // The length rule counts the hex text, not the bytes.
    const auto hex = CheckBarcodeData(CODA128, "41 42 43 ", true);
    ASSERT_TRUE(hex.has_value());
    EXPECT_EQ(*hex, Bytes({0x41, 0x42, 0x43}));
    EXPECT_TRUE(Passes(CODA128, "41", true)); // two characters, one byte
    EXPECT_TRUE(Passes(EAN128, "c1 7f", true));
    EXPECT_FALSE(Passes(EAN128, "C5 41", true));
    EXPECT_FALSE(Passes(CODA128, "4", true)); // one character is too short
}

TEST(BarcodeRules, HexTextWithoutBytesOrWithForeignPairsIsRefused) {
    EXPECT_FALSE(Passes(CODA128, "    ", true));
    EXPECT_FALSE(Passes(CODA128, "\r\n\r\n", true));
    EXPECT_FALSE(Passes(CODA128, "4G 41", true));
    EXPECT_FALSE(Passes(CODA128, "ZZ 41", true));
    EXPECT_TRUE(Passes(CODA128, "4 41", true)); // a lone digit is a byte of its own
}

TEST(BarcodeRules, RowOutsideTheListFails) {
    EXPECT_FALSE(Passes(-1, "01234567890"));
    EXPECT_FALSE(Passes(BARCODE_TYPE_COUNT, "AB"));
}

TEST(BarcodeRules, AcceptedDataNeverExceedsOneLengthByte) {
    // Every accepted datum must fit the one-byte count of the print command.
    std::string text(BARCODE_MAX_DATA, 'A');
    for (int type = 0; type < BARCODE_TYPE_COUNT; ++type) {
        const auto data = CheckBarcodeData(type, text, false);
        if (data) {
            EXPECT_LE(data->size(), size_t{BARCODE_MAX_DATA});
        }
        EXPECT_FALSE(CheckBarcodeData(type, text + "A", false).has_value());
    }
}
