#include "printer/HexText.h"
#include "console/RecordDecoder.h"

#include <gtest/gtest.h>
#include <random>

using records::DecodeRecord;

namespace {

// The decodings without their token blanks are what an operator reads.
TEST(RecordDecoder, DecodesTheCommandTable) {
    const struct {
        const char* text;
        const char* tips;
    } cases[] = {
        {"0A ", "LF "},
        {"1B 61 01 ", "ESC a 01 "},
        {"1B 21 88 ", "ESC ! 88 "},
        {"1B 4A 21 ", "ESC J 21 "},
        {"10 04 05 ", "DLE EOT 05 "},
        {"1D 28 6B 03 00 31 43 05 ", "GS ( k 03 00 31 43 05 "},
        {"1D 76 30 00 30 00 10 00 ", "GS v 0 00 30 00 10 00 "},
        {"1D 56 42 FE ", "GS V 42 FE "},
        {"41 42 43 ", "ABC"},
        {"1B 28 41 02 00 30 33 ", "ESC ( A 02 00 30 33 "},
        {"1B 40 ", "ESC @ "},
        {"1C 67 31 ", "FS g 1 "},
        {"1F 00 ", "US NULL "},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeRecord(c.text), c.tips) << c.text;
}

TEST(RecordDecoder, ShortAndOddRecords) {
    EXPECT_EQ(DecodeRecord(""), "");
    EXPECT_EQ(DecodeRecord("0A"), "LF ");
    EXPECT_EQ(DecodeRecord("1B "), "ESC ");
    // A function-byte command cut short: nothing is shown for the missing third pair.
    EXPECT_EQ(DecodeRecord("1D 28 "), "GS ( ");
    EXPECT_EQ(DecodeRecord("1D 28 6B"), "GS ( k ");
    // Imported without blanks: read by position, the pair at 3 is the lone digit 0.
    EXPECT_EQ(DecodeRecord("1B40"), "ESC NULL ");
    // Lower case digits read the same.
    EXPECT_EQ(DecodeRecord("1b 61 01"), "ESC a 01");
    // A printable record stops at its first 00 byte.
    EXPECT_EQ(DecodeRecord("41 00 42 "), "A");
    // A byte above 0x7F is shown as that one character.
    EXPECT_EQ(DecodeRecord("1B E9 "), "ESC \xE9 ");
    // A pair that starts with no digit reads as 0.
    EXPECT_EQ(DecodeRecord("  1B"), "NULL VT ");
}

TEST(RecordDecoder, FunctionByteOnlyAfterTheElevenPairs) {
    int pairs = 0;
    for (int first = 0; first < 0x20; ++first)
        for (int second = 0x20; second < 0x100; ++second)
            pairs +=
                records::HasFunctionByte(static_cast<uint8_t>(first), static_cast<uint8_t>(second));
    EXPECT_EQ(pairs, 11);
    EXPECT_TRUE(records::HasFunctionByte(0x1D, 'z'));
    EXPECT_FALSE(records::HasFunctionByte(0x1D, 'V'));
    EXPECT_EQ(DecodeRecord("1D 7A 31 05 "), "GS z 1 05 ");
    EXPECT_EQ(DecodeRecord("1D 79 31 05 "), "GS y 31 05 ");
}

// One parser for the file reader, Resend and talvane-cli: a line sends exactly the bytes
// it names, however it is spaced, or it names none.
TEST(RecordDecoder, ARecordSendsExactlyTheBytesItNames) {
    const std::vector<uint8_t> init = {0x1B, 0x40, 0x1B, 0x61, 0x01};
    for (const char* text : {"1B 40 1B 61 01 ", "1B40 1B6101", "1b  40\r1B 61 01", "  1B401B6101  "}) {
        SCOPED_TRACE(text);
        std::vector<uint8_t> bytes = {0x0A};
        ASSERT_TRUE(records::AppendRecordBytes(text, bytes));
        EXPECT_EQ(bytes, (std::vector<uint8_t>{0x0A, 0x1B, 0x40, 0x1B, 0x61, 0x01}));
        EXPECT_EQ(records::RecordBytes(text), init);
    }
    // A run of an odd number of digits ("1B4": 1B 04 or 01 B4?), a lone digit or anything
    // but a hex digit or a blank names nothing, and nothing is appended.
    for (const char* text : {"1B4", "ff 7", "1B ZZ 0A ", "1B\t40", "1B 40 G"}) {
        SCOPED_TRACE(text);
        std::vector<uint8_t> bytes = {0x0A};
        EXPECT_FALSE(records::AppendRecordBytes(text, bytes));
        EXPECT_EQ(bytes, std::vector<uint8_t>{0x0A});
    }
    EXPECT_EQ(records::RecordBytes("   "), std::vector<uint8_t>{});
}

TEST(RecordsFile, ImportTakesCommentsAndBlankLines) {
    const std::string file = "// header comment\r\n"
                             "1B 40 // init\r\n"
                             "\r\n"
                             "   \r\n"
                             "   // only a comment\n"
                             "  0a  \n"
                             "1d 56 42 00";
    const records::ImportResult r = records::ParseRecordsFile(file);
    ASSERT_TRUE(r.ok);
    // Each row takes the form of a recorded command: what it shows is what it sends.
    EXPECT_EQ(r.records, (std::vector<std::string>{"1B 40 ", "0A ", "1D 56 42 00 "}));
}

TEST(RecordsFile, LinesSpacedAnyHowReadAsTheirBytesAndAnUnclearOneIsRefused) {
    const records::ImportResult spaced = records::ParseRecordsFile("1B40\r\n1b  61 01\r\n");
    ASSERT_TRUE(spaced.ok);
    EXPECT_EQ(spaced.records, (std::vector<std::string>{"1B 40 ", "1B 61 01 "}));
    EXPECT_EQ(DecodeRecord(spaced.records[0]), "ESC @ ");
    const records::ImportResult odd = records::ParseRecordsFile("1B 40\r\n// note\r\n1B 4 0A\r\n");
    EXPECT_FALSE(odd.ok);
    EXPECT_EQ(odd.badLine, 3u);
    EXPECT_TRUE(odd.records.empty());
}

TEST(RecordsFile, ABadLineRejectsTheWholeFile) {
    const records::ImportResult r = records::ParseRecordsFile("1B 40\r\n1G 40\r\n0A\r\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.badLine, 2u);
    EXPECT_TRUE(r.records.empty());
    // What follows a comment is not checked; a tab or a NUL before it is.
    EXPECT_TRUE(records::ParseRecordsFile("0A // \x01\tG\n").ok);
    EXPECT_FALSE(records::ParseRecordsFile("0A\t\n").ok);
    EXPECT_FALSE(records::ParseRecordsFile(std::string("0A\0", 3)).ok);
    EXPECT_FALSE(records::ParseRecordsFile("0A /x\n").ok);
}

TEST(RecordsFile, SavedFileReadsBackTheSameRecords) {
    const std::vector<std::string_view> texts = {"1B 40 ", "0A ", "1D 56 42 FE "};
    const std::string file = records::FormatRecordsFile(texts);
    EXPECT_EQ(file, "1B 40 \r\n0A \r\n1D 56 42 FE \r\n");
    const records::ImportResult r = records::ParseRecordsFile(file);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.records, (std::vector<std::string>{"1B 40 ", "0A ", "1D 56 42 FE "}));
    EXPECT_EQ(records::FormatRecordsFile({}), "");
}

// Random bytes never crash the decoder or the file reader, and a decoding never grows
// beyond what the text can name.
TEST(RecordDecoder, ArbitraryInputIsSafe) {
    std::mt19937 rng(1234);
    std::uniform_int_distribution<int> len(0, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet = "0123456789abcdefABCDEF /\r\n\tG\x01";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int n = len(rng);
        for (int k = 0; k < n; ++k)
            text += (i % 2) ? static_cast<char>(byte(rng)) : alphabet[pick(rng)];
        const std::string tips = DecodeRecord(text);
        EXPECT_LE(tips.size(), text.size() + 8) << i;
        const records::ImportResult r = records::ParseRecordsFile(text);
        if (r.ok) {
            for (const std::string& rec : r.records) EXPECT_LE(rec.size(), text.size() / 2 * 3); // two digits at least become "XX "
        }
        std::vector<uint8_t> bytes;
        if (records::AppendRecordBytes(text, bytes)) EXPECT_LE(bytes.size(), text.size() / 2);
    }
}

TEST(RecordDecoder, RecordedCommandsDecodeFromTheirHexText) {
    const uint8_t cut[] = {0x1D, 0x56, 0x42, 0x00};
    EXPECT_EQ(DecodeRecord(ToHexText(cut, sizeof cut)), "GS V 42 00 ");
    EXPECT_EQ(DecodeRecord(ToHexText(std::string_view("Hello"))), "Hello");
}

} // namespace
