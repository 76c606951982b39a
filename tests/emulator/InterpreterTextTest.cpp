// Text, layout and paper movement, from byte streams.
#include "emulator/FontTables.h"
#include "tests/emulator/PrinterFixture.h"

#include <gtest/gtest.h>

using namespace vprinter;

namespace {

const std::string ESC_INIT = Bytes({0x1B, 0x40});

bool GlyphDot(const FontFace& font, char c, int x, int y) {
    return (font.Glyph(static_cast<uint8_t>(c))[y] >> (31 - x)) & 1;
}

// True when the glyph stands on the paper at (x0, y0), dot for dot, cell wide.
bool GlyphAt(const PaperBitmap& paper, const FontFace& font, char c, int x0, int y0, int scaleX = 1,
             int scaleY = 1) {
    for (int y = 0; y < font.height * scaleY; ++y)
        for (int x = 0; x < font.width * scaleX; ++x)
            if (paper.Get(x0 + x, y0 + y) != GlyphDot(font, c, x / scaleX, y / scaleY))
                return false;
    return true;
}

int LeftmostBlack(const PaperBitmap& paper) {
    int left = paper.Width();
    for (int y = 0; y < paper.Height(); ++y)
        for (int x = 0; x < left; ++x)
            if (paper.Get(x, y)) left = x;
    return left;
}

int RightmostBlack(const PaperBitmap& paper) {
    int right = -1;
    for (int y = 0; y < paper.Height(); ++y)
        for (int x = paper.Width() - 1; x > right; --x)
            if (paper.Get(x, y)) right = x;
    return right;
}

TEST(InterpreterText, CharactersPrintInTheSelectedFontDotForDot) {
    PrinterFixture f;
    f.Send("AB\n" + Bytes({0x1B, 0x4D, 1}) + "g\n" + Bytes({0x1B, 0x4D, 2}) + "@\n");
    const PaperBitmap paper = f.Finish();
    const int spacing = PRN_DEFAULT_LINE_SPACING;
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'A', 0, 0));
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'B', FontFor(0).width, 0));
    // Lines stand on their bottom: a shorter font sits lower in the line.
    EXPECT_TRUE(GlyphAt(paper, FontFor(1), 'g', 0, spacing));
    EXPECT_TRUE(GlyphAt(paper, FontFor(2), '@', 0, 2 * spacing));
    EXPECT_EQ(paper.Height(), 3 * spacing);
}

TEST(InterpreterText, PrintModeBitsChangeTheCells) {
    const FontFace& font = FontFor(0);
    auto printed = [](uint8_t mode) {
        PrinterFixture f;
        f.Send(Bytes({0x1B, 0x21, mode}) + "H\n");
        return f.Finish();
    };
    const PaperBitmap plain = printed(0);
    const PaperBitmap wide = printed(PRN_MODE_DOUBLE_WIDTH);
    const PaperBitmap tall = printed(PRN_MODE_DOUBLE_HEIGHT);
    const PaperBitmap both = printed(PRN_MODE_DOUBLE_WIDTH | PRN_MODE_DOUBLE_HEIGHT);
    EXPECT_TRUE(GlyphAt(wide, font, 'H', 0, 0, 2, 1));
    EXPECT_TRUE(GlyphAt(tall, font, 'H', 0, 0, 1, 2));
    EXPECT_TRUE(GlyphAt(both, font, 'H', 0, 0, 2, 2));
    EXPECT_EQ(tall.Height(), 2 * font.height); // the line is as tall as its cell

    const PaperBitmap bold = printed(PRN_MODE_BOLD);
    EXPECT_GT(bold.CountBlack(), plain.CountBlack());
    const PaperBitmap underscored = printed(PRN_MODE_UNDERSCORE);
    for (int x = 0; x < font.width; ++x) EXPECT_TRUE(underscored.Get(x, font.height - 1)) << x;
    const PaperBitmap highlighted = printed(PRN_MODE_HIGHLIGHT);
    EXPECT_EQ(highlighted.CountBlack(),
              static_cast<size_t>(font.width * font.height) - plain.CountBlack());
    const PaperBitmap framed = printed(PRN_MODE_FRAME);
    for (int y = 0; y < font.height; ++y)
        EXPECT_TRUE(framed.Get(0, y) && framed.Get(font.width - 1, y));
    const PaperBitmap italic = printed(PRN_MODE_ITALIC);
    EXPECT_NE(italic.Data(), plain.Data());
    EXPECT_EQ(italic.CountBlack() > 0, true);
}

TEST(InterpreterText, AlignmentPlacesTheLineInThePrintArea) {
    auto printed = [](uint8_t alignment) {
        PrinterFixture f;
        f.Send(Bytes({0x1B, 0x61, alignment}) + "AB\n");
        return f.Finish();
    };
    const int lineWidth = 2 * FontFor(0).width;
    const PaperBitmap left = printed(0);
    const PaperBitmap centre = printed(1);
    const PaperBitmap right = printed(2);
    EXPECT_TRUE(GlyphAt(centre, FontFor(0), 'A', (PRN_WIDTH_58MM - lineWidth) / 2, 0));
    EXPECT_TRUE(GlyphAt(right, FontFor(0), 'B', PRN_WIDTH_58MM - FontFor(0).width, 0));
    EXPECT_EQ(left.CountBlack(), right.CountBlack());
    // The digit forms select as well; an unknown value leaves the alignment alone.
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x61, '2', 0x1B, 0x61, 7}));
    EXPECT_EQ(f.printer.Text().alignment, Alignment::Right);
    EXPECT_TRUE(f.Logged("ESC a 7"));
}

TEST(InterpreterText, MarginsWrapLongTextInsideThem) {
    PrinterFixture f;
    // ESC l 10 and ESC Q 10: 80 dots on either side.
    f.Send(Bytes({0x1B, 0x6C, 10, 0x1B, 0x51, 10}) +
           "Left and right margins of 80 points, the print buffer also according to the page "
           "margins automatically print control\n");
    const PaperBitmap paper = f.Finish();
    EXPECT_GE(LeftmostBlack(paper), 80);
    EXPECT_LT(RightmostBlack(paper), PRN_WIDTH_58MM - 80);
    EXPECT_GE(paper.Height(), 5 * PRN_DEFAULT_LINE_SPACING); // 19 characters per line
    // Margins that leave no room are not applied.
    PrinterFixture g;
    g.Send(Bytes({0x1B, 0x6C, 30, 0x1B, 0x51, 30}) + "A\n");
    EXPECT_TRUE(GlyphAt(g.Finish(), FontFor(0), 'A', 0, 0));
}

TEST(InterpreterText, AbsolutePositionAndTabsMoveTheCursor) {
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x24, 100, 0}) + "A\n" + Bytes({0x1B, 0x44, 12, 24, 0}) + "B\tC\tD\n");
    const PaperBitmap paper = f.Finish();
    const int cell = FontFor(0).width;
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'A', 100, 0));
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'C', 12 * cell, PRN_DEFAULT_LINE_SPACING));
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'D', 24 * cell, PRN_DEFAULT_LINE_SPACING));
    // Beyond the print area: ignored and logged.
    PrinterFixture g;
    g.Send(Bytes({0x1B, 0x24, 0x90, 0x01}) + "A\n");
    EXPECT_TRUE(GlyphAt(g.Finish(), FontFor(0), 'A', 0, 0));
    EXPECT_TRUE(g.Logged("ESC $ 400"));
}

TEST(InterpreterText, FeedsMoveThePaperByTheirAmounts) {
    PrinterFixture f;
    f.Send(Bytes({0x1B, 0x33, 50}) + "A\n");
    EXPECT_EQ(f.printer.PrintRow(), 50);
    f.Send(Bytes({0x1B, 0x4A, 100}));
    EXPECT_EQ(f.printer.PrintRow(), 150);
    f.Send(Bytes({0x1B, 0x64, 2}));
    EXPECT_EQ(f.printer.PrintRow(), 250);
    f.Send(Bytes({0x1B, 0x4B, 200}));
    EXPECT_EQ(f.printer.PrintRow(), 50);
    // Printing after a back feed lands on the paper above.
    f.Send("B\n");
    const PaperBitmap paper = f.Finish();
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'B', 0, 50));
    EXPECT_EQ(paper.Height(), 250);
    // A feed shorter than the line still clears the line.
    PrinterFixture g;
    g.Send("A" + Bytes({0x1B, 0x4A, 5}));
    EXPECT_EQ(g.printer.PrintRow(), FontFor(0).height);
}

TEST(InterpreterText, CutEndsTheReceiptAfterItsFeed) {
    PrinterFixture f;
    f.Send("haft-cut\n" + Bytes({0x1D, 0x56, 0x42, 0x78}) + Bytes({0x1B, 0x4A, 48}) + ESC_INIT);
    ASSERT_EQ(f.receipts.size(), 1u);
    EXPECT_EQ(f.receipts[0].reason, ReceiptEnd::Cut);
    EXPECT_EQ(f.receipts[0].paper.Height(), PRN_DEFAULT_LINE_SPACING + 120);
    EXPECT_TRUE(f.Logged("half cut"));
    // The blank piece after the cut is not a receipt.
    f.Finish();
    EXPECT_EQ(f.receipts.size(), 1u);
    // An idle end keeps the unprinted line for the next receipt.
    PrinterFixture g;
    g.Send("A\nB");
    g.printer.EndReceipt(ReceiptEnd::Idle);
    g.Send("\n");
    const PaperBitmap second = g.Finish();
    ASSERT_EQ(g.receipts.size(), 2u);
    EXPECT_TRUE(GlyphAt(second, FontFor(0), 'B', 0, 0));
}

TEST(InterpreterText, InitialiseResetsStyleButKeepsStoredSettings) {
    PrinterFixture f;
    f.Send(
        Bytes({0x1B, 0x21, 0x38, 0x1B, 0x6D, 8, 0x1C, 0x73, 2, 0x1D, 0x61, 0x04, 0x1B, 0x33, 60}));
    f.Send("unprinted" + ESC_INIT + "A\n");
    EXPECT_EQ(f.printer.Text().printMode, 0);
    EXPECT_EQ(f.printer.Text().lineSpacing, PRN_DEFAULT_LINE_SPACING);
    EXPECT_EQ(f.printer.Stored().density, 8);
    EXPECT_EQ(f.printer.Stored().speed, 2);
    EXPECT_EQ(f.printer.Stored().autoStatusMask, PRN_STATUS_PAPER_END);
    EXPECT_TRUE(f.Logged("ESC @ discards the unprinted line"));
    EXPECT_TRUE(GlyphAt(f.Finish(), FontFor(0), 'A', 0, 0));
    f.Send(Bytes({0x1B, 0x6D, 9, 0x1C, 0x73, 3}));
    EXPECT_EQ(f.printer.Stored().density, 8);
    EXPECT_TRUE(f.Logged("ESC m 9"));
    EXPECT_TRUE(f.Logged("FS s 3"));
}

TEST(InterpreterText, VerticalTabRowDrawsRulesAndCells) {
    PrinterFixture f;
    const std::string row = Bytes({0x1C, 0x56, 5, 0, 8, 16, 24, 32, 4, 2, 10, 18, 26}) + "\x02" +
                            std::string("  Option A  ", 9) + '\0' + "\x01  Data1" + '\0' +
                            "\x01  Data2" + '\0' + "\x01  Data3" + '\0';
    f.Send(row + row);
    EXPECT_EQ(f.printer.PrintRow(), 2 * PRN_DEFAULT_LINE_SPACING);
    const PaperBitmap paper = f.Finish();
    const int cell = FontFor(0).width;
    for (int stop : {0, 8, 16, 24})
        for (int y = 0; y < paper.Height(); ++y) EXPECT_TRUE(paper.Get(stop * cell, y)) << stop;
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'D', 12 * cell, PRN_DEFAULT_LINE_SPACING - 24));
    // Text is cut at the next rule: the "1" of "  Data1" would stand at column 16.
    for (int y = 0; y < PRN_DEFAULT_LINE_SPACING; ++y)
        for (int x = 16 * cell + 1; x < 17 * cell; ++x)
            EXPECT_FALSE(paper.Get(x, y)) << x << "," << y;
}

TEST(InterpreterText, DoubleByteCharactersPrintAsPlaceholders) {
    PrinterFixture f;
    f.Send(std::string("\xD6\xD0") + "A\n");
    const PaperBitmap paper = f.Finish();
    EXPECT_TRUE(GlyphAt(paper, FontFor(0), 'A', 2 * FontFor(0).width, 0));
    EXPECT_TRUE(paper.Get(2, 2)); // the frame of the square
}

} // namespace
