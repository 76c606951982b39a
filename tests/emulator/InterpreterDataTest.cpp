// Images, status and set-up commands, unknown bytes and the stream itself.
#include "emulator/ControlCommands.h"
#include "tests/emulator/DecodeSupport.h"
#include "tests/emulator/PrinterFixture.h"

#include <gtest/gtest.h>

using namespace vprinter;

namespace {

std::string RasterCommand(uint8_t m, const PaperBitmap& picture) {
    std::string bytes = Bytes({0x1D, 0x76, 0x30, m, picture.Stride() & 0xFF, picture.Stride() >> 8,
                               picture.Height() & 0xFF, picture.Height() >> 8});
    bytes.append(reinterpret_cast<const char*>(picture.Data().data()), picture.Data().size());
    return bytes;
}

// The picture as ESC * bands of the given mode, each followed by ESC J 24.
std::string BitImageBands(uint8_t m, const PaperBitmap& picture) {
    const int bandRows = m >= 32 ? 24 : 8;
    std::string bytes;
    for (int top = 0; top < picture.Height(); top += bandRows) {
        bytes += Bytes({0x1B, 0x2A, m, picture.Width() & 0xFF, picture.Width() >> 8});
        for (int x = 0; x < picture.Width(); ++x)
            for (int byte = 0; byte < bandRows / 8; ++byte) {
                uint8_t value = 0;
                for (int bit = 0; bit < 8; ++bit)
                    if (picture.Get(x, top + byte * 8 + bit)) value |= 0x80 >> bit;
                bytes += static_cast<char>(value);
            }
        bytes += Bytes({0x1B, 0x4A, 24});
    }
    return bytes;
}

TEST(InterpreterImages, RasterBlockComesBackDotForDot) {
    const PaperBitmap picture = MakePicture(PRN_WIDTH_58MM, 91, 7);
    PrinterFixture f;
    f.Send("title\n" + RasterCommand(0, picture));
    const PaperBitmap paper = f.Finish();
    EXPECT_EQ(FindPicture(paper, 0, picture), PRN_DEFAULT_LINE_SPACING);
    EXPECT_EQ(paper.Height(), PRN_DEFAULT_LINE_SPACING + 91);
}

TEST(InterpreterImages, RasterModesScaleAndClip) {
    const PaperBitmap picture = MakePicture(96, 10, 3);
    PrinterFixture f;
    f.Send(RasterCommand(3, picture));
    const PaperBitmap paper = f.Finish();
    ASSERT_EQ(paper.Height(), 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 192; ++x)
            ASSERT_EQ(paper.Get(x, y), picture.Get(x / 2, y / 2)) << x << "," << y;
    // Wider than the paper: the rest of each row is dropped, the stream stays in step.
    const PaperBitmap wide = MakePicture(600, 4, 5);
    PrinterFixture g;
    g.Send(RasterCommand(0, wide) + "A\n");
    EXPECT_TRUE(g.Logged("wider than the print area"));
    const PaperBitmap clipped = g.Finish();
    EXPECT_EQ(clipped.Height(), 4 + PRN_DEFAULT_LINE_SPACING);
    for (int x = 0; x < PRN_WIDTH_58MM; ++x) EXPECT_EQ(clipped.Get(x, 3), wide.Get(x, 3));
}

TEST(InterpreterImages, CentredRasterUsesTheAlignment) {
    const PaperBitmap picture = MakePicture(64, 8, 11);
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x61, 1}) + RasterCommand(0, picture));
    EXPECT_EQ(FindPicture(f.Finish(), (PRN_WIDTH_58MM - 64) / 2, picture), 0);
}

TEST(InterpreterImages, TwentyFourDotBandsComeBackDotForDot) {
    const PaperBitmap picture = MakePicture(100, 48, 13);
    PrinterFixture f;
    f.Send(BitImageBands(33, picture));
    const PaperBitmap paper = f.Finish();
    EXPECT_EQ(FindPicture(paper, 0, picture), 0);
    EXPECT_EQ(paper.Height(), 48);
}

TEST(InterpreterImages, EightDotSingleDensityPrintsEachDotTwoWideThreeHigh) {
    const PaperBitmap picture = MakePicture(40, 8, 17);
    PrinterFixture f;
    f.Send(BitImageBands(0, picture));
    const PaperBitmap paper = f.Finish();
    ASSERT_EQ(paper.Height(), 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(paper.Get(x, y), picture.Get(x / 2, y / 3));
    // An unknown mode is framed by its length and skipped whole.
    PrinterFixture g;
    g.Send(Bytes({0x1B, 0x2A, 16, 2, 0, 0xFF, 0xFF, 0xFF, 0xFF}) + "A\n");
    EXPECT_TRUE(g.Logged("ESC * mode 16"));
    EXPECT_EQ(g.printer.BytesConsumed(), 11u);
}

TEST(InterpreterStatus, RequestsAndAutomaticStatusBack) {
    PrinterFixture f;
    f.Send(Bytes({0x10, 0x04, 0x05}));
    EXPECT_EQ(f.replies, std::vector<uint8_t>{0x00});
    f.printer.SetCondition(PRN_STATUS_PAPER_END, true);
    EXPECT_EQ(f.replies.size(), 1u); // automatic status back is off
    f.Send(Bytes({0x1D, 0x61, 0x2F}));
    EXPECT_EQ(f.replies.back(), PRN_STATUS_PAPER_END); // reported when switched on
    f.printer.SetCondition(PRN_STATUS_PLATEN_UP, true);
    EXPECT_EQ(f.replies.back(), PRN_STATUS_PAPER_END | PRN_STATUS_PLATEN_UP);
    f.printer.SetCondition(PRN_STATUS_PLATEN_UP, true); // no change, no byte
    f.printer.SetCondition(PRN_STATUS_PAPER_END, false);
    f.printer.SetCondition(PRN_STATUS_PLATEN_UP, false);
    f.printer.SetCondition(PRN_STATUS_CUTTER, true);
    f.printer.SetCondition(PRN_STATUS_OVERHEAT, true);
    f.printer.SetCondition(PRN_STATUS_OVERVOLTAGE, true);
    EXPECT_EQ(f.replies, (std::vector<uint8_t>{0x00, 0x04, 0x06, 0x02, 0x00, 0x20, 0x28, 0x29}));
    // Only the conditions of the mask are reported on change; bit 4 never.
    PrinterFixture g;
    g.Send(Bytes({0x1D, 0x61, 0x14}));
    g.printer.SetCondition(PRN_STATUS_OVERHEAT, true);
    g.printer.SetCondition(PRN_STATUS_PAPER_END, true);
    EXPECT_EQ(g.replies, (std::vector<uint8_t>{0x00, 0x0C}));
}

TEST(InterpreterStatus, ControlLinesSwitchConditions) {
    PrinterFixture f;
    f.Send(Bytes({0x1D, 0x61, 0x2F}));
    EXPECT_EQ(ApplyControlLine(f.printer, "paper-end on").reply, "paper-end on");
    EXPECT_EQ(f.replies.back(), PRN_STATUS_PAPER_END);
    EXPECT_EQ(ApplyControlLine(f.printer, "sensor 731").reply, "sensor 731");
    EXPECT_EQ(f.printer.Stored().sensorValue, 731);
    EXPECT_NE(ApplyControlLine(f.printer, "status").reply.find("status 04"), std::string::npos);
    EXPECT_TRUE(ApplyControlLine(f.printer, "cut").endReceipt);
    EXPECT_TRUE(ApplyControlLine(f.printer, "quit").quit);
    for (const char* bad :
         {"paper-end maybe", "sensor -3", "sensor 12x", "fly", "status now", "overheat on now"}) {
        EXPECT_FALSE(ApplyControlLine(f.printer, bad).reply.empty()) << bad;
    }
    EXPECT_EQ(f.printer.StatusByte(), PRN_STATUS_PAPER_END);
    EXPECT_EQ(f.printer.Stored().sensorValue, 731);
}

TEST(InterpreterSetup, SensorRequestIsAnsweredWithItsValue) {
    PrinterFixture f;
    f.printer.SetSensorValue(1234);
    f.Send(Bytes({0x1C, 0x28, 0x4C, 0x02, 0x00, 0x64, 0x30}));
    EXPECT_EQ(f.replies, (std::vector<uint8_t>{0x37, 0x64, '1', '2', '3', '4', 0x00}));
}

TEST(InterpreterSetup, SerialSettingsAreRememberedAndBadOnesIgnored) {
    PrinterFixture f;
    f.Send(Bytes({0x1D, 0x28, 0x45, 0x08, 0x00, 0x0B, 0x01}) + "115200");
    f.Send(Bytes({0x1D, 0x28, 0x45, 0x03, 0x00, 0x0B, 0x03, 0x31}));
    EXPECT_EQ(f.printer.Stored().baudRate, 115200u);
    EXPECT_EQ(f.printer.Stored().flowControl, PRN_FLOW_XON_XOFF);
    f.Send(Bytes({0x1D, 0x28, 0x45, 0x06, 0x00, 0x0B, 0x01}) + "96x0");
    f.Send(Bytes({0x1D, 0x28, 0x45, 0x03, 0x00, 0x0B, 0x03, 0x07}));
    EXPECT_EQ(f.printer.Stored().baudRate, 115200u);
    EXPECT_EQ(f.printer.Stored().flowControl, PRN_FLOW_XON_XOFF);
    EXPECT_TRUE(f.Logged("no number"));
}

TEST(InterpreterSetup, LabelFunctionsStoreAndFeedToPositions) {
    PrinterFixture f;
    const std::string layout = "0;8;8;0;-8;384;";
    f.Send(Bytes({0x1C, 0x28, 0x4C, static_cast<int>(layout.size()) + 2, 0, 0x21, 1}) + layout);
    const std::string thresholds = "420;520;680;840;";
    f.Send(Bytes({0x1C, 0x28, 0x4C, static_cast<int>(thresholds.size()) + 2, 0, 0x65, 0x31}) +
           thresholds);
    const std::string distances = "2;10;3;";
    f.Send(Bytes({0x1C, 0x28, 0x4C, static_cast<int>(distances.size()) + 2, 0, 0x66, 0x30}) +
           distances);
    EXPECT_EQ(f.printer.Stored().layoutMode, 1);
    EXPECT_EQ(f.printer.Stored().layoutText, layout);
    EXPECT_EQ(f.printer.Stored().thresholdText, thresholds);
    EXPECT_EQ(f.printer.Stored().distancesMm, (std::array<int, 3>{2, 10, 3}));
    f.Send("A\n"); // 30 dots into an 80-dot label
    f.Send(Bytes({0x1C, 0x28, 0x4C, 0x02, 0x00, 0x43, 0x30}));
    EXPECT_EQ(f.printer.PrintRow(), 80);
    f.Send(Bytes({0x1C, 0x28, 0x4C, 0x02, 0x00, 0x41, 0x30}));
    EXPECT_EQ(f.printer.PrintRow(), 80 + 16); // tear offset 2 mm
    f.Send(Bytes({0x1C, 0x28, 0x4C, 0x02, 0x00, 0x42, 0x30}));
    EXPECT_EQ(f.printer.PrintRow(), 160 + 24); // next label, cut offset 3 mm
}

TEST(InterpreterStream, UnknownBytesAreLoggedWithOffsetAndSkipped) {
    PrinterFixture f;
    f.Send("AB" + Bytes({0x1B, 0x7A, 0x07}) + "C" +
           Bytes({0x1D, 0x28, 0x5A, 0x03, 0x00, 0x41, 0x42, 0x43}) + "D\n");
    EXPECT_TRUE(f.Logged("offset 2: unknown command 1B 7A 07, skipped 2 bytes"));
    EXPECT_TRUE(f.Logged("offset 4: unknown command 07, skipped 1 byte"));
    EXPECT_TRUE(f.Logged("offset 6: unknown command 1D 28 5A, skipped 8 bytes"));
    const PaperBitmap paper = f.Finish();
    PrinterFixture g;
    g.Send("ABCD\n");
    EXPECT_EQ(paper.Data(), g.Finish().Data());
}

TEST(InterpreterStream, BufferClearDiscardsTheUnprintedLine) {
    PrinterFixture f;
    f.Send("gone" + Bytes({0x10, 0x14, 0x08, 1, 3, 20, 1, 6, 2, 8}) + "A\n");
    PrinterFixture g;
    g.Send("A\n");
    EXPECT_EQ(f.Finish().Data(), g.Finish().Data());
    EXPECT_TRUE(f.Logged("buffer clear"));
    // Wrong key bytes clear nothing.
    PrinterFixture h;
    h.Send("kept" + Bytes({0x10, 0x14, 0x08, 1, 3, 20, 1, 6, 2, 9}) + "\n");
    EXPECT_GT(h.Finish().CountBlack(), 0u);
}

TEST(InterpreterStream, PiecesOfAnySizeGiveTheSameReceipt) {
    const PaperBitmap picture = MakePicture(48, 30, 19);
    const std::string stream =
        Bytes({0x1B, 0x40, 0x1B, 0x21, 0x08}) + "Title\n" + Bytes({0x1B, 0x44, 4, 8, 0}) +
        "a\tb\n" + RasterCommand(1, picture) +
        Bytes({0x1D, 0x68, 40, 0x1D, 0x48, 2, 0x1D, 0x6B, 0x49, 4}) + "AB12" +
        Bytes({0x1D, 0x28, 0x6B, 0x08, 0x00, 0x31, 0x50, 0x30}) + "hello" +
        Bytes({0x1D, 0x28, 0x6B, 0x03, 0x00, 0x31, 0x51, 0x30, 0x10, 0x04, 0x05}) + "end\n" +
        // Commands whose length shows only as they arrive: a table row, a barcode
        // ended by NUL, counter fields, images, user characters.
        Bytes({0x1C, 0x56, 2, 6, 12, 2, 0, 6, 2}) + "left" + Bytes({0, 0}) + "right" +
        Bytes({0, 0x1D, 0x6B, 4}) + "CODE39" + Bytes({0, 0x1D, 0x43, ';'}) + "1;22;333;4;5;" +
        Bytes({0x1C, 0x71, 2, 1, 0, 1, 0}) + std::string(8, '\x7E') + Bytes({2, 0, 1, 0}) +
        std::string(16, '\x3C') + Bytes({0x1B, 0x26, 3, 0x41, 0x42, 2, 1, 2, 3, 4, 5, 6, 0}) +
        "tail\n";
    PrinterFixture whole;
    whole.Send(stream);
    const PaperBitmap expected = whole.Finish();
    ASSERT_GT(expected.Height(), 100);
    for (size_t piece : {1u, 2u, 3u, 7u, 64u}) {
        PrinterFixture split;
        for (size_t at = 0; at < stream.size(); at += piece) split.Send(stream.substr(at, piece));
        EXPECT_EQ(split.Finish().Data(), expected.Data()) << piece;
        EXPECT_EQ(split.replies, whole.replies);
        EXPECT_EQ(split.printer.BytesConsumed(), stream.size());
        EXPECT_EQ(split.log, whole.log);
    }
}

TEST(InterpreterStream, VeryLongPaperIsHandedOverInPieces) {
    PrinterFixture f;
    std::string feeds = "A\n" + Bytes({0x1B, 0x33, 255});
    for (int i = 0; i < 9; ++i) feeds += Bytes({0x1B, 0x64, 255});
    f.Send(feeds + "B\n");
    f.Finish();
    ASSERT_EQ(f.receipts.size(), 2u);
    EXPECT_EQ(f.receipts[0].reason, ReceiptEnd::LengthLimit);
    EXPECT_LE(f.receipts[0].paper.Height(), Interpreter::MAX_RECEIPT_ROWS);
    EXPECT_TRUE(f.Logged("continued on a new one"));
}

} // namespace
