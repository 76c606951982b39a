// The sent-bytes record: what a take hands over, what recording off means, and that a
// command written without an open port (or through the console's write thread) is
// recorded exactly as it goes out.

#include "tests/support/PrinterPeer.h"
#include "tests/printer/RecordingLib.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

constexpr auto ARRIVAL_TIMEOUT = 10s;
constexpr uint32_t BAUD = 9600;
constexpr uint8_t BYTE_SIZE = 8;

TEST(SentRecord, TakeHandsOverOnceAndKeepsACopy) {
    CVRNX_LIB lib;
    lib.EnableSentRecord(1);
    lib.InitPrinter();
    lib.SetPrintDensity(4);
    // A command without a take stays in front of the next one.
    EXPECT_EQ(lib.TakeSentText(), "1B 40 1B 6D 04 ");
    EXPECT_EQ(lib.LastTakenText(), "1B 40 1B 6D 04 ");
    EXPECT_EQ(lib.TakeSentText(), "");
    EXPECT_EQ(lib.LastTakenText(), "");
}

TEST(SentRecord, ClearDropsWithoutTouchingTheLastTake) {
    CVRNX_LIB lib;
    lib.EnableSentRecord(1);
    lib.LineFeed();
    lib.TakeSentText();
    lib.CutPaper(1, 65);
    lib.ClearSentText();
    EXPECT_EQ(lib.LastTakenText(), "0A ");
    EXPECT_EQ(lib.TakeSentText(), "");
}

TEST(SentRecord, NothingIsRecordedUntilEnabledOrAfterDisabling) {
    CVRNX_LIB lib;
    lib.InitPrinter();
    EXPECT_EQ(lib.TakeSentText(), "");
    lib.EnableSentRecord(1);
    lib.EnableSentRecord(0);
    lib.InitPrinter();
    EXPECT_EQ(lib.TakeSentText(), "");
}

TEST(SentRecord, ClosedPortStillRecordsEveryByte) {
    RecordingLib lib;
    lib.EnableSentRecord(1);
    ASSERT_FALSE(lib.IsOpen());
    lib.StoreQRCodeData("AB", 2);
    lib.SendText("\x00\x0A\xAB"); // stops at the NUL: nothing
    const uint8_t bytes[] = {0x00, 0x0A, 0xAB, 0x10};
    lib.Write(bytes, sizeof bytes);
    EXPECT_EQ(lib.TakeSentText(), "1D 28 6B 05 00 31 50 30 41 42 00 0A AB 10 ");
}

TEST(SentRecord, DisabledRecordStillWritesToThePort) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    CVRNX_LIB lib;
    lib.ChangeOptions(lib.GetOptions(), 0);
    ASSERT_TRUE(lib.Open(peer.Port(), BAUD, NOPARITY, BYTE_SIZE, ONESTOPBIT));
    lib.SetAutoStatusBack(0x2F);
    ASSERT_TRUE(peer.WaitForBytes(3, ARRIVAL_TIMEOUT));
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{0x1D, 0x61, 0x2F}));
    EXPECT_EQ(lib.TakeSentText(), "");
}

// The console's configuration: transmit buffer and write thread. A picture and its
// feed go out complete and in order, and each command's record is its own.
TEST(SentRecord, ConsoleOptionsSendPicturesThroughTheWriteThread) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    CVRNX_LIB lib;
    lib.ChangeOptions(lib.GetOptions(), EN_CONSOLE_OPTIONS);
    ASSERT_TRUE(lib.Open(peer.Port(), BAUD, NOPARITY, BYTE_SIZE, ONESTOPBIT));
    lib.EnableSentRecord(1);

    std::vector<uint8_t> raster(72 * 300);
    for (size_t i = 0; i < raster.size(); ++i) raster[i] = static_cast<uint8_t>(i % 251);
    lib.PrintRasterImage(0, 72, 0, 44, 1, raster.data());
    const std::string rasterText = lib.TakeSentText();
    lib.PrintAndFeed(24);
    EXPECT_EQ(lib.TakeSentText(), "1B 4A 18 ");

    std::vector<uint8_t> expected = {0x1D, 0x76, 0x30, 0x00, 72, 0x00, 44, 0x01};
    EXPECT_EQ(rasterText.substr(0, 24), "1D 76 30 00 48 00 2C 01 ");
    EXPECT_EQ(rasterText.size(), (expected.size() + raster.size()) * HEX_CHARS_PER_BYTE);
    expected.insert(expected.end(), raster.begin(), raster.end());
    EXPECT_EQ(FromHexText(rasterText), expected);

    expected.insert(expected.end(), {0x1B, 0x4A, 0x18});
    ASSERT_TRUE(peer.WaitForBytes(expected.size(), ARRIVAL_TIMEOUT));
    EXPECT_EQ(peer.Bytes(), expected);
}

} // namespace

namespace {

// Where a length field cannot describe the data, the field wraps as the command
// layout has it (the console refuses such input first), but the operation still reads
// exactly the bytes it was told about and no more: the buffers below are exactly that
// long, so a sanitizer build catches any read beyond them.
TEST(SentRecord, WrappedLengthFieldsReadOnlyTheGivenBytes) {
    RecordingLib lib;
    lib.EnableSentRecord(1);

    const std::vector<uint8_t> qr(65535, 0x51);
    lib.StoreQRCodeData(qr.data(), static_cast<uint16_t>(qr.size()));
    ASSERT_EQ(lib.writes.size(), 2u);
    EXPECT_EQ(lib.writes[0], "1D 28 6B 02 00 31 50 30 ");
    EXPECT_EQ(lib.writes[1].size(), qr.size() * HEX_CHARS_PER_BYTE);

    const std::vector<uint8_t> marks(255, '9');
    lib.writes.clear();
    lib.SetMarkDistances(marks.data(), 255);
    ASSERT_EQ(lib.writes.size(), 2u);
    EXPECT_EQ(lib.writes[0], "1C 28 4C 01 00 66 30 ");
    EXPECT_EQ(lib.writes[1].size(), marks.size() * HEX_CHARS_PER_BYTE);

    const std::vector<uint8_t> barcode(255, '0');
    lib.writes.clear();
    lib.PrintBarcode(0xC0, barcode.data(), 255); // type byte 0x41 + 0xC0 wraps to 0x01
    ASSERT_EQ(lib.writes.size(), 2u);
    EXPECT_EQ(lib.writes[0], "1D 6B 01 FF ");

    // The largest raster the header can describe: 65535 x 1 bytes.
    const std::vector<uint8_t> raster(65535, 0xAA);
    lib.writes.clear();
    lib.PrintRasterImage(0, 0xFF, 0xFF, 1, 0, raster.data());
    ASSERT_EQ(lib.writes.size(), 2u);
    EXPECT_EQ(lib.writes[1].size(), raster.size() * HEX_CHARS_PER_BYTE);
    lib.ClearSentText();
}

} // namespace
